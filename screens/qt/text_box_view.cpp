// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/text_box_view.h"

#include <algorithm>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>
#include <QTextEdit>

#include "screens/qt/key_forwarding.h"
#include "screens/qt/units.h"
#include "screens/toolkit/application.h"

namespace qtfront {

namespace {

// Shared key handling of the two edit widgets for a filtered box.
template <class Base>
class FilteredField : public Base {
  public:
    FilteredField(toolkit::Element& element, QWidget* parent) : Base(parent), element_(element) {
        this->setAcceptDrops(false);
        this->setContextMenuPolicy(Qt::NoContextMenu);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Key chords never get here: the view offered them to the screen
        // before (ElementView), and the screen left this one unused.
        if (keyToModel(*event, element_)) {
            event->accept();
        } else if (navigationOnly(*event)) {
            Base::keyPressEvent(event);
        } else {
            event->accept();  // Delete, undo, redo, paste, cut: the model has no such keys
        }
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        textToModel(event->commitString(), element_);
        event->accept();
    }
    // No paste with the middle mouse button, no drops.
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::MiddleButton) {
            event->accept();
            return;
        }
        Base::mouseReleaseEvent(event);
    }

  private:
    toolkit::Element& element_;
};

class FilteredTextEdit : public FilteredField<QTextEdit> {
  public:
    using FilteredField::FilteredField;

  protected:
    bool canInsertFromMimeData(const QMimeData*) const override { return false; }
    void insertFromMimeData(const QMimeData*) override {}
};

// A free box of several lines. What a paste, a drop or a middle click
// brings is inserted as plain text, checked here: Qt's own insertion reads
// the first format of the data without looking whether there is one, and an
// empty selection (no program owns it) has none. The whole text holds at
// most maxInsertedChars characters, as a one-line box does: without that
// limit, repeated pastes pile up until every keystroke lays out megabytes.
class FreeTextBox : public QTextEdit {
  public:
    using QTextEdit::QTextEdit;

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source && source->hasText();
    }
    void insertFromMimeData(const QMimeData* source) override {
        const QString text = fitting(insertableText(source));
        if (!text.isEmpty()) textCursor().insertText(text);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (insertsText(*event) && room() < event->text().size()) {
            event->accept();
            return;
        }
        QTextEdit::keyPressEvent(event);
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (event->commitString().size() <= room()) {
            QTextEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(fitting(event->commitString()), event->replacementStart(),
                            event->replacementLength());
        QTextEdit::inputMethodEvent(&cut);
    }

  private:
    // Characters the text may still take, counting in what the selection
    // frees when it is replaced.
    qsizetype room() const {
        const QTextCursor cursor = textCursor();
        const qsizetype length = document()->characterCount() - 1;  // without the final break
        return maxInsertedChars - length + (cursor.selectionEnd() - cursor.selectionStart());
    }
    // The text cut to the room, never in the middle of a surrogate pair.
    QString fitting(QString text) const {
        const qsizetype room = std::max<qsizetype>(0, this->room());
        if (text.size() <= room) return text;
        text.truncate(room);
        if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
        return text;
    }
    // Whether the key types into the box: a character, or a line break.
    static bool insertsText(const QKeyEvent& event) {
        const QString text = event.text();
        if (text.isEmpty() || event.modifiers() & Qt::ControlModifier) return false;
        if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return true;
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    }
};

// The edit widget for a box: one line or several, filtered or free.
QWidget* newWidget(toolkit::Element& element, QWidget* parent) {
    const bool filtered = static_cast<bool>(element.onKeyPress);
    if (element.multiLine()) {
        if (filtered) return new FilteredTextEdit(element, parent);
        return new FreeTextBox(parent);
    }
    if (filtered) return new FilteredField<QLineEdit>(element, parent);
    return new QLineEdit(parent);
}

}  // namespace

QString insertableText(const QMimeData* source) {
    if (!source || !source->hasText()) return {};
    QString text = source->text();
    text.remove(QChar(u'\0'));
    text.truncate(maxInsertedChars);
    return text;
}

TextBoxView::TextBoxView(toolkit::Element& element, QWidget* parent)
    : ElementView(element, newWidget(element, parent)),
      filtered_(static_cast<bool>(element.onKeyPress)),
      multiLine_(element.multiLine()) {
    if (multiLine_) {
        field_ = static_cast<QTextEdit*>(widget());
        field_->setAcceptRichText(false);
        field_->setTabChangesFocus(true);
        field_->setUndoRedoEnabled(!filtered_);
        field_->setLineWrapMode(QTextEdit::WidgetWidth);
        field_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        field_->document()->setDocumentMargin(1);
        watchMouse(field_->viewport());
        connect(field_, &QTextEdit::textChanged, this, &TextBoxView::widgetTextChanged);
    } else {
        line_ = static_cast<QLineEdit*>(widget());
        line_->setTextMargins(0, 0, 0, 0);
        line_->setDragEnabled(false);
        connect(line_, &QLineEdit::textChanged, this, &TextBoxView::widgetTextChanged);
        // A one-line box the user cannot type into (a board cell, a title
        // letter) shows no selection: a double-click or Tab would mark its
        // character as if it were there to be edited.
        connect(line_, &QLineEdit::selectionChanged, this, [this] {
            if ((filtered_ || this->element().locked()) && line_->hasSelectedText())
                line_->deselect();
        });
    }
}

std::string TextBoxView::shownText() const {
    return modelText(field_ ? field_->toPlainText() : line_->text());
}

void TextBoxView::applyText() {
    if (shownText() == element().text()) return;
    taking_ = true;
    const QString text = shownCaption(element().text());
    if (field_)
        field_->setPlainText(text);
    else
        line_->setText(text);
    taking_ = false;
}

void TextBoxView::widgetTextChanged() {
    if (taking_) return;
    if (filtered_) {
        // Only the model writes into a filtered box: undo whatever changed it.
        applyText();
    } else {
        const std::string text = shownText();
        if (text != element().text())
            element().screen().application().runUserEvent([&] { element().setText(text); });
    }
}

void TextBoxView::applyLocked() {
    if (field_) {
        field_->setReadOnly(element().locked());
        // A locked box still lets the user select and copy.
        field_->setTextInteractionFlags(element().locked() || filtered_
                                            ? Qt::TextSelectableByMouse |
                                                  Qt::TextSelectableByKeyboard
                                            : Qt::TextEditorInteraction);
    } else {
        line_->setReadOnly(element().locked());
    }
}

void TextBoxView::applyAppearance() {
    const bool centred = element().alignment() == toolkit::Alignment::Center;
    if (field_) {
        QTextOption option = field_->document()->defaultTextOption();
        option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
        // Blanks at a line's end count for the centring, so that every digit
        // of a candidate pad keeps its place when its neighbours are blanked.
        option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
        field_->document()->setDefaultTextOption(option);
        field_->setVerticalScrollBarPolicy(element().verticalScrollBar() ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
    } else {
        line_->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        // A filtered box shows whatever the model holds; the model keeps its
        // own length limit for typing.
        if (!filtered_)
            line_->setMaxLength(element().maxLength() > 0 ? element().maxLength() : 32767);
    }
}

QRect TextBoxView::digitPlace(int digit) const {
    // A multi-line box (a candidate pad) shows each digit at most once.
    if (!field_) return {};
    const qsizetype index = field_->toPlainText().indexOf(QChar(u'0' + digit));
    if (index < 0) return {};
    QTextCursor cursor(field_->document());
    cursor.setPosition(static_cast<int>(index));
    const QRect before = field_->cursorRect(cursor);
    cursor.setPosition(static_cast<int>(index) + 1);
    const QRect after = field_->cursorRect(cursor);
    const QPoint origin = field_->viewport()->mapTo(field_, QPoint(0, 0));
    return QRect(before.left(), before.top(), after.left() - before.left(), before.height())
        .translated(origin);
}

void TextBoxView::applyColors() {
    setColors(QPalette::Base, QPalette::Text, false);
}

}  // namespace qtfront
