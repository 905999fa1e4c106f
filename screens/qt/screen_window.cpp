// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/screen_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>

#include "screens/qt/element_view_factory.h"
#include "screens/qt/key_forwarding.h"
#include "screens/qt/picture_image.h"
#include "screens/qt/units.h"
#include "screens/toolkit/application.h"

namespace qtfront {

ScreenWindow::ScreenWindow(toolkit::Screen& screen) : screen_(screen) {
    setObjectName(QString::fromStdString(screen_.name()));
    setWindowTitle(shownCaption(screen_.caption()));
    if (!screen_.accessibleName().empty())
        setAccessibleName(shownCaption(screen_.accessibleName()));
    if (const auto& c = screen_.backColor()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(c->r, c->g, c->b));
        setPalette(p);
        setAutoFillBackground(true);
    }
    // Every window carries the program's icon, not only the screen whose
    // layout names one: the desktop shows them as one program.
    setWindowIcon(pictureIcon(screen_.application().icon()));
    applySize();
    screen_.setObserver(this);
    if (screen_.loaded()) createViews();
}

ScreenWindow::~ScreenWindow() {
    screen_.setObserver(nullptr);
    views_.clear();  // before the widgets go with this window
}

void ScreenWindow::applySize() {
    const double dpi = logicalDpiX();
    setFixedSize(pixels(screen_.clientWidth(), dpi), pixels(screen_.clientHeight(), dpi));
}

void ScreenWindow::createViews() {
    if (!views_.empty()) return;
    views_.reserve(screen_.elements().size());
    // Creation order is stacking order: later elements lie above earlier ones.
    for (toolkit::Element* element : screen_.elements()) {
        views_.push_back(createElementView(*element, this));
        viewByElement_[element] = views_.back().get();
    }
    QWidget* before = nullptr;
    for (toolkit::Element* element : screen_.tabOrder()) {
        QWidget* w = widgetOf(*element);
        if (before) setTabOrder(before, w);
        before = w;
    }
}

ElementView* ScreenWindow::viewOf(const toolkit::Element& element) const {
    auto it = viewByElement_.find(&element);
    return it == viewByElement_.end() ? nullptr : it->second;
}

QWidget* ScreenWindow::widgetOf(const toolkit::Element& element) const {
    ElementView* view = viewOf(element);
    return view ? view->widget() : nullptr;
}

void ScreenWindow::screenChanged(toolkit::Screen&, toolkit::ScreenProperty property) {
    using toolkit::ScreenProperty;
    switch (property) {
        case ScreenProperty::Loaded:
            if (screen_.loaded()) createViews();
            break;
        case ScreenProperty::Caption:
            setWindowTitle(shownCaption(screen_.caption()));
            break;
        case ScreenProperty::Visible:
            if (screen_.visible()) {
                createViews();
                // A screen shown again stands where the user left it. The
                // window manager places a window that never asked for a
                // position anew, wherever the user had moved it; asking
                // for the old position tells it where. (QWidget::move does
                // not ask when the position seems unchanged.)
                if (placeWhenShown_ && windowHandle())
                    windowHandle()->setPosition(*placeWhenShown_);
                show();
                raise();
                activateWindow();
                applyFocus();
            } else {
                if (isVisible()) placeWhenShown_ = geometry().topLeft();
                hide();
            }
            break;
        case ScreenProperty::Focus:
            applyFocus();
            break;
    }
}

void ScreenWindow::applyFocus() {
    if (!screen_.visible()) return;  // applied when the screen is shown
    if (toolkit::Element* active = screen_.activeElement())
        if (QWidget* w = widgetOf(*active); w && w->focusPolicy() != Qt::NoFocus)
            w->setFocus(Qt::OtherFocusReason);
}

bool ScreenWindow::openMenuByKeyboard() {
    toolkit::Element* element = screen_.menuElement();
    ElementView* view = element ? viewOf(*element) : nullptr;
    if (!view || !view->widget()->isVisible()) return false;
    view->openContextMenu(view->keyboardMenuPlace());
    return true;
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    const QWidget* focused = QApplication::focusWidget();
    const bool onElement = std::any_of(views_.begin(), views_.end(), [focused](const auto& view) {
        return view->widget() == focused;
    });
    const auto chord = keyChord(*event);
    if (!onElement && chord) {
        const bool handled = opensMenu(*chord)
                                 ? openMenuByKeyboard()
                                 : screen_.pressChord(*chord, screen_.activeElement());
        if (handled) {
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The window stays; the model hides or unloads the screen if it wants to.
    event->ignore();
    screen_.application().runUserEvent([this] { screen_.closeRequested(); });
}

}  // namespace qtfront
