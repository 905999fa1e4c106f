// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "screens/qt/screen_window.h"
#include "screens/toolkit/application.h"

class QTranslator;

namespace qtfront {

// The Qt front end of a running program: one window per model screen, and
// Qt's own texts in German. Create it before the program shows its first
// screen, destroy it before the model.
class QtFrontEnd {
  public:
    explicit QtFrontEnd(toolkit::Application& application);
    ~QtFrontEnd();
    QtFrontEnd(const QtFrontEnd&) = delete;
    QtFrontEnd& operator=(const QtFrontEnd&) = delete;

    ScreenWindow* window(const toolkit::Screen& screen) const;
    // The widget of an element; null while its screen was never loaded.
    QWidget* widget(const toolkit::Element& element) const;
    // The window of the visible screen, the parent of the dialogs.
    QWidget* activeWindow() const;

  private:
    toolkit::Application& application_;
    std::vector<std::unique_ptr<ScreenWindow>> windows_;
    std::unique_ptr<QTranslator> qtTexts_;  // Qt's German translation, when installed
};

}  // namespace qtfront
