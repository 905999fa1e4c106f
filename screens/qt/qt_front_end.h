// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "screens/qt/screen_window.h"
#include "screens/toolkit/application.h"

class QTranslator;

namespace qtfront {

class QtPlatform;

// The Qt front end of a running program: one window per model screen, and
// Qt's own texts in German. It keeps the contract of
// screens/toolkit/front_end.h: create it once the screens exist and before
// the program shows its first screen; destroy it before the screens.
//
// The platform comes before the program (the screens need it) and the front
// end after it (the windows need the screens), so the platform cannot be
// built with its front end. The front end therefore attaches itself to the
// platform in its constructor and detaches in its destructor: the platform
// never holds a front end that is gone, and no caller wires the two.
class QtFrontEnd {
  public:
    // The platform must be the one the application runs on.
    QtFrontEnd(QtPlatform& platform, toolkit::Application& application);
    ~QtFrontEnd();
    QtFrontEnd(const QtFrontEnd&) = delete;
    QtFrontEnd& operator=(const QtFrontEnd&) = delete;

    ScreenWindow* window(const toolkit::Screen& screen) const;
    // The widget of an element; null while its screen was never loaded.
    QWidget* widget(const toolkit::Element& element) const;
    // The window of the visible screen, the parent of the dialogs.
    QWidget* activeWindow() const;

  private:
    QtPlatform& platform_;
    toolkit::Application& application_;
    std::vector<std::unique_ptr<ScreenWindow>> windows_;
    std::unique_ptr<QTranslator> qtTexts_;  // Qt's German translation, when installed
};

}  // namespace qtfront
