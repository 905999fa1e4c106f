// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "screens/qt/element_view.h"
#include "screens/toolkit/screen.h"

namespace qtfront {

// The top-level window of one model screen: client area of the screen's size,
// its caption and background colour, one widget per element. Shows and hides
// with the model; the model decides what a click on the title bar's close
// button does.
class ScreenWindow : public QWidget, public toolkit::ScreenObserver {
    Q_OBJECT
  public:
    explicit ScreenWindow(toolkit::Screen& screen);
    ~ScreenWindow() override;

    toolkit::Screen& screen() const { return screen_; }
    // The widget of an element of this screen; null before the screen's
    // first load, which creates the widgets.
    QWidget* widgetOf(const toolkit::Element& element) const;
    ElementView* viewOf(const toolkit::Element& element) const;

    void screenChanged(toolkit::Screen& screen, toolkit::ScreenProperty property) override;

    // The keyboard's menu keys: opens the menu of the screen's menu element
    // (Screen::menuElement) at that element; false when there is none.
    bool openMenuByKeyboard();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Keys pressed while no element's widget has the keyboard focus: the
    // program's shortcuts go to the screen. (An element's view offers the
    // keys pressed on its widget to the screen itself.)
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createViews();
    void applySize();
    void applyFocus();

    toolkit::Screen& screen_;
    std::vector<std::unique_ptr<ElementView>> views_;
    std::unordered_map<const toolkit::Element*, ElementView*> viewByElement_;
    // Where the window's client area stood when the window was last hidden.
    std::optional<QPoint> placeWhenShown_;
};

}  // namespace qtfront
