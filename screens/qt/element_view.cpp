// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/element_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "screens/qt/element_marks.h"
#include "screens/qt/key_forwarding.h"
#include "screens/qt/screen_window.h"
#include "screens/qt/units.h"
#include "screens/toolkit/application.h"
#include "screens/toolkit/screen.h"

namespace qtfront {

namespace {

// What a screen reader meets in a board cell or a check-display label: the
// name the model gives it ("Zeile 3, Spalte 5"), and as its value what it
// shows, "leer" when it shows nothing. Qt's own interfaces would read a
// label's name in place of its caption and give an empty cell no value.
// The text interface reads the shown text; the model alone writes it.
class NamedElementAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    NamedElementAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = !lineEdit() || lineEdit()->isReadOnly();
        s.editable = !s.readOnly;
        return s;
    }
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) return shown().isEmpty() ? QStringLiteral("leer") : shown();
        return QAccessibleWidget::text(type);
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return lineEdit() ? lineEdit()->cursorPosition() : 0; }
    void setCursorPosition(int position) override {
        if (lineEdit()) lineEdit()->setCursorPosition(position);
    }
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QLineEdit* lineEdit() const { return qobject_cast<QLineEdit*>(widget()); }
    QString shown() const {
        if (const QLineEdit* edit = lineEdit()) return edit->text();
        if (const auto* label = qobject_cast<QLabel*>(widget())) return label->text();
        return {};
    }
};

}  // namespace

ElementView::ElementView(toolkit::Element& element, QWidget* widget)
    : element_(element), widget_(widget) {
    element_.setObserver(this);
    widget_->installEventFilter(this);
    mouseSource_ = widget_;
    widget_->setObjectName(QString::fromStdString(element_.fullName()));
    // The model decides the focus order; elements outside it never take the focus.
    if (element_.tabIndex() < 0 || element_.kind() == toolkit::ElementKind::Label)
        widget_->setFocusPolicy(Qt::NoFocus);
    else
        widget_->setFocusPolicy(Qt::StrongFocus);
    if (!element_.accessibleName().empty()) {
        widget_->setAccessibleName(shownCaption(element_.accessibleName()));
        // A named label or one-line box tells its text as its value. The
        // interface registered for the widget is the one Qt hands out for
        // it from now on, and is deleted with the widget.
        using toolkit::ElementKind;
        if (element_.kind() == ElementKind::Label)
            QAccessible::registerAccessibleInterface(
                new NamedElementAccessible(widget_, QAccessible::StaticText));
        else if (element_.kind() == ElementKind::TextBox && !element_.multiLine())
            QAccessible::registerAccessibleInterface(
                new NamedElementAccessible(widget_, QAccessible::EditableText));
    }
    // Text boxes and the grid show where the keyboard focus stands, and
    // their decoration.
    if (element_.kind() == toolkit::ElementKind::TextBox ||
        element_.kind() == toolkit::ElementKind::Grid) {
        marks_ = new ElementMarks(widget_, widget_->focusPolicy() != Qt::NoFocus,
                                  [this](int digit) { return digitPlace(digit); });
        marks_->setDecoration(element_.decoration());
    }
    if (element_.hasContextMenu()) {
        widget_->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget_, &QWidget::customContextMenuRequested, this,
                [this] { openContextMenu(QCursor::pos()); });
    }
}

ElementView::~ElementView() {
    element_.setObserver(nullptr);
}

namespace {

// Builds the menu's entries; remembers which item each action stands for.
void addMenuItems(QMenu& menu, const std::vector<toolkit::MenuItem>& items,
                  std::vector<std::pair<QAction*, const toolkit::MenuItem*>>& actions) {
    for (const toolkit::MenuItem& item : items) {
        if (item.separator()) {
            menu.addSeparator();
        } else if (!item.submenu.empty()) {
            QMenu* submenu = menu.addMenu(shownCaption(item.text));
            submenu->setEnabled(item.enabled);
            addMenuItems(*submenu, item.submenu, actions);
        } else {
            // The key is shown after a tab, as the menu shows a shortcut,
            // in Qt's words for the keys (German: "Strg+H"); the menu binds
            // no key itself, the screen does.
            QString text = shownCaption(item.text);
            if (item.shortcut)
                text += QLatin1Char('\t') +
                        keySequence(*item.shortcut).toString(QKeySequence::NativeText);
            QAction* action = menu.addAction(text);
            action->setEnabled(item.enabled);
            actions.emplace_back(action, &item);
        }
    }
}

}  // namespace

void ElementView::openContextMenu(const QPoint& place) {
    if (element_.canTakeFocus() && element_.screen().visible())
        element_.screen().setFocus(element_);
    const std::vector<toolkit::MenuItem> items = element_.contextMenuItems();
    if (items.empty()) return;
    QMenu menu(widget_);
    std::vector<std::pair<QAction*, const toolkit::MenuItem*>> actions;
    addMenuItems(menu, items, actions);
    const toolkit::MenuItem* chosen = nullptr;
    for (const auto& [action, item] : actions)
        connect(action, &QAction::triggered, &menu, [&chosen, item = item] { chosen = item; });
    menu.exec(place);
    // The menu is gone before the action runs (it may open dialogs).
    if (chosen && chosen->action) {
        const std::function<void()> run = chosen->action;
        element_.screen().application().runUserEvent(run);
    }
}

QPoint ElementView::keyboardMenuPlace() const {
    return widget_->mapToGlobal(widget_->rect().center());
}

namespace {

// Whether the widget uses the key for itself: asked as Qt asks a widget
// before a shortcut takes the key.
bool widgetWantsKey(QWidget& widget, const QKeyEvent& event) {
    QKeyEvent probe(QEvent::ShortcutOverride, event.key(), event.modifiers(),
                    event.nativeScanCode(), event.nativeVirtualKey(), event.nativeModifiers(),
                    event.text(), event.isAutoRepeat(), event.count());
    probe.ignore();
    QCoreApplication::sendEvent(&widget, &probe);
    return probe.isAccepted();
}

}  // namespace

bool ElementView::keyPressed(const QKeyEvent& event) {
    const std::optional<toolkit::KeyChord> chord = keyChord(event);
    if (!chord) return false;
    if (opensMenu(*chord)) {
        if (editsFreely()) {
            // The field's own menu (copy, paste), at its text cursor.
            const QPoint at = widget_->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget_->mapToGlobal(at));
            QCoreApplication::sendEvent(widget_, &menu);
            return true;
        }
        auto* window = qobject_cast<ScreenWindow*>(widget_->window());
        return window && window->openMenuByKeyboard();
    }
    // A field the user edits keeps its editing keys (paste, undo, the
    // cursor keys); every other key is the screen's first.
    if (editsFreely() && widgetWantsKey(*widget_, event)) return false;
    return element_.pressChord(*chord);
}

void ElementView::refreshAll() {
    applyFont();
    applyColors();
    applyAppearance();
    applyGrid();
    applyText();
    applyValue();
    applyLocked();
    applyEnabled();
    applyGeometry();
    applyVisible();
}

void ElementView::elementChanged(toolkit::Element&, toolkit::Property property) {
    if (!widget_) return;
    using toolkit::Property;
    switch (property) {
        case Property::Text:
            applyText();
            break;
        case Property::Visible:
            applyVisible();
            break;
        case Property::Enabled:
            applyEnabled();
            break;
        case Property::Locked:
            applyLocked();
            break;
        case Property::Value:
            applyValue();
            break;
        case Property::Geometry:
            applyGeometry();
            break;
        case Property::Font:
            applyFont();
            break;
        case Property::Colors:
            applyColors();
            break;
        case Property::Appearance:
            applyAppearance();
            break;
        case Property::Grid:
            applyGrid();
            break;
        case Property::Decoration:
            if (marks_) marks_->setDecoration(element_.decoration());
            break;
    }
}

void ElementView::applyGeometry() {
    const double dpi = widget_->logicalDpiX();
    const int x = pixels(element_.left(), dpi);
    const int y = pixels(element_.top(), dpi);
    int width = pixels(element_.width(), dpi);
    int height = pixels(element_.height(), dpi);
    // An element that reaches past the client area (the explanation box is
    // wider than its window) is cut at the window's edge, so that its scroll
    // bar and frame stay in sight.
    if (const QWidget* window = widget_->parentWidget()) {
        if (x < window->width()) width = std::min(width, window->width() - x);
        if (y < window->height()) height = std::min(height, window->height() - y);
    }
    widget_->setGeometry(x, y, width, height);
}

void ElementView::applyVisible() {
    if (!element_.visible()) giveUpFocus();
    widget_->setVisible(element_.visible());
}

void ElementView::applyEnabled() {
    if (!element_.enabled()) giveUpFocus();
    widget_->setEnabled(element_.enabled());
}

void ElementView::giveUpFocus() {
    // Qt would pass the focus of a widget that is hidden or disabled on as
    // if the user had pressed Tab, and a text field reached by Tab selects
    // all its text. The model moves the focus itself (Screen::
    // focusableChanged), and the field it picks keeps its text unselected.
    if (widget_->hasFocus()) widget_->clearFocus();
}

void ElementView::applyFont() {
    widget_->setFont(qtFont(element_.font()));
}

void ElementView::setColors(QPalette::ColorRole background, QPalette::ColorRole text,
                            bool fillBackground) {
    QPalette palette = QApplication::palette(widget_);
    const auto& back = element_.backColor();
    const bool ownBackground = back && !element_.transparent();
    if (ownBackground) palette.setColor(background, QColor(back->r, back->g, back->b));
    if (const auto& fore = element_.foreColor())
        palette.setColor(text, QColor(fore->r, fore->g, fore->b));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(fillBackground && ownBackground);
}

void ElementView::watchMouse(QWidget* source) {
    mouseSource_ = source;
    source->installEventFilter(this);
}

bool ElementView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_ && watched != mouseSource_) return false;
    if (event->type() == QEvent::KeyPress && watched == widget_) {
        return keyPressed(*static_cast<QKeyEvent*>(event));
    } else if (event->type() == QEvent::ContextMenu && event->spontaneous() &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // Some windowing systems follow the menu key's press with a menu
        // request of their own; its press has opened the menu already.
        return true;
    } else if (event->type() == QEvent::FocusIn && watched == widget_) {
        // The user moved the focus (click, Tab): the model follows. When the
        // model moved it itself, this finds the element already active.
        element_.screen().setFocus(element_);
    } else if (event->type() == QEvent::MouseButtonRelease && watched == mouseSource_ &&
               clickOnMouseRelease()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            mouseSource_->rect().contains(mouse->position().toPoint()))
            element_.click();
    }
    return false;
}

}  // namespace qtfront
