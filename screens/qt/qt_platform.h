#pragma once

#include <functional>

#include "screens/toolkit/platform.h"

class QWidget;

namespace qtfront {

class QtFrontEnd;

// The platform of the real program: Qt's modal message and input boxes, the
// default printer, and the end of the event loop.
class QtPlatform : public toolkit::Platform {
  public:
    // The title of a message box without one of its own.
    static constexpr const char* standardTitel = "Sudoku";

    // Tells where the screens' windows are: dialogs open over the visible one,
    // printing draws a screen's window.
    void setFrontEnd(QtFrontEnd* frontEnd) { frontEnd_ = frontEnd; }

    int messageBox(const std::string& text, int buttons, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void printScreen(toolkit::Screen& screen) override;
    // Asks the event loop to end with status 0 once the running handler has
    // returned; nothing is destroyed here.
    void programEnded() override;

    bool ended() const { return ended_; }

  private:
    QWidget* dialogParent() const;

    QtFrontEnd* frontEnd_ = nullptr;
    bool ended_ = false;
};

}  // namespace qtfront
