// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/text_box_view.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>

#include "screens/qt/tasten_weiterleitung.h"
#include "screens/qt/umrechnung.h"
#include "screens/toolkit/application.h"

namespace qtfront {

namespace {

// Shared key handling of the two edit widgets for a filtered box.
template <class Basis>
class GefiltertesFeld : public Basis {
  public:
    GefiltertesFeld(toolkit::Element& element, QWidget* parent) : Basis(parent), element_(element) {
        this->setAcceptDrops(false);
        this->setContextMenuPolicy(Qt::NoContextMenu);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Arrow keys and shortcuts first: they never reach the key filter.
        const auto special = specialKey(*event);
        if (special && element_.pressSpecialKey(*special)) {
            event->accept();
        } else if (tasteAnModell(*event, element_)) {
            event->accept();
        } else if (nurNavigation(*event)) {
            Basis::keyPressEvent(event);
        } else {
            event->accept();  // Delete, undo, redo, paste, cut: the model has no such keys
        }
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        textAnModell(event->commitString(), element_);
        event->accept();
    }
    // No paste with the middle mouse button, no drops.
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::MiddleButton) {
            event->accept();
            return;
        }
        Basis::mouseReleaseEvent(event);
    }

  private:
    toolkit::Element& element_;
};

class GefilterteTextBox : public GefiltertesFeld<QTextEdit> {
  public:
    using GefiltertesFeld::GefiltertesFeld;

  protected:
    bool canInsertFromMimeData(const QMimeData*) const override { return false; }
    void insertFromMimeData(const QMimeData*) override {}
};

// A free box of several lines. What a paste, a drop or a middle click
// brings is inserted as plain text, checked here: Qt's own insertion reads
// the first format of the data without looking whether there is one, and an
// empty selection (no program owns it) has none.
class FreeTextBox : public QTextEdit {
  public:
    using QTextEdit::QTextEdit;

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source && source->hasText();
    }
    void insertFromMimeData(const QMimeData* source) override {
        const QString text = insertableText(source);
        if (!text.isEmpty()) textCursor().insertText(text);
    }
};

// The edit widget for a box: one line or several, filtered or free.
QWidget* neuesWidget(toolkit::Element& element, QWidget* parent) {
    const bool gefiltert = static_cast<bool>(element.onKeyPress);
    if (element.multiLine()) {
        if (gefiltert) return new GefilterteTextBox(element, parent);
        return new FreeTextBox(parent);
    }
    if (gefiltert) return new GefiltertesFeld<QLineEdit>(element, parent);
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
    : ElementView(element, neuesWidget(element, parent)),
      gefiltert_(static_cast<bool>(element.onKeyPress)),
      mehrzeilig_(element.multiLine()) {
    if (mehrzeilig_) {
        feld_ = static_cast<QTextEdit*>(widget());
        feld_->setAcceptRichText(false);
        feld_->setTabChangesFocus(true);
        feld_->setUndoRedoEnabled(!gefiltert_);
        feld_->setLineWrapMode(QTextEdit::WidgetWidth);
        feld_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        feld_->document()->setDocumentMargin(1);
        watchMouse(feld_->viewport());
        connect(feld_, &QTextEdit::textChanged, this, &TextBoxView::widgetTextGeaendert);
    } else {
        zeile_ = static_cast<QLineEdit*>(widget());
        zeile_->setTextMargins(0, 0, 0, 0);
        zeile_->setDragEnabled(false);
        connect(zeile_, &QLineEdit::textChanged, this, &TextBoxView::widgetTextGeaendert);
        // A one-line box the user cannot type into (a board cell, a title
        // letter) shows no selection: a double-click or Tab would mark its
        // character as if it were there to be edited.
        connect(zeile_, &QLineEdit::selectionChanged, this, [this] {
            if ((gefiltert_ || this->element().locked()) && zeile_->hasSelectedText())
                zeile_->deselect();
        });
    }
}

std::string TextBoxView::angezeigterText() const {
    return modellText(feld_ ? feld_->toPlainText() : zeile_->text());
}

void TextBoxView::applyText() {
    if (angezeigterText() == element().text()) return;
    uebernehmen_ = true;
    const QString text = anzeigeText(element().text());
    if (feld_)
        feld_->setPlainText(text);
    else
        zeile_->setText(text);
    uebernehmen_ = false;
}

void TextBoxView::widgetTextGeaendert() {
    if (uebernehmen_) return;
    if (gefiltert_) {
        // Only the model writes into a filtered box: undo whatever changed it.
        applyText();
    } else {
        const std::string text = angezeigterText();
        if (text != element().text())
            element().screen().application().runUserEvent([&] { element().setText(text); });
    }
}

void TextBoxView::applyLocked() {
    if (feld_) {
        feld_->setReadOnly(element().locked());
        // A locked box still lets the user select and copy.
        feld_->setTextInteractionFlags(element().locked() || gefiltert_
                                           ? Qt::TextSelectableByMouse |
                                                 Qt::TextSelectableByKeyboard
                                           : Qt::TextEditorInteraction);
    } else {
        zeile_->setReadOnly(element().locked());
    }
}

void TextBoxView::applyAppearance() {
    const bool zentriert = element().alignment() == toolkit::Alignment::Center;
    if (feld_) {
        QTextOption option = feld_->document()->defaultTextOption();
        option.setAlignment(zentriert ? Qt::AlignHCenter : Qt::AlignLeft);
        // Blanks at a line's end count for the centring, so that every digit
        // of a candidate pad keeps its place when its neighbours are blanked.
        option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
        feld_->document()->setDefaultTextOption(option);
        feld_->setVerticalScrollBarPolicy(element().verticalScrollBar() ? Qt::ScrollBarAlwaysOn
                                                                        : Qt::ScrollBarAlwaysOff);
    } else {
        zeile_->setAlignment((zentriert ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        // A filtered box shows whatever the model holds; the model keeps its
        // own length limit for typing.
        if (!gefiltert_)
            zeile_->setMaxLength(element().maxLength() > 0 ? element().maxLength() : 32767);
    }
}

void TextBoxView::applyColors() {
    setColors(QPalette::Base, QPalette::Text, false);
}

}  // namespace qtfront
