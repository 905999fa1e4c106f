// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "screens/qt/print_target.h"
#include "screens/toolkit/platform.h"

class QWidget;

namespace qtfront {

class QtFrontEnd;

// The platform of the real program: Qt's modal message and input boxes, the
// default printer, and the end of the event loop.
class QtPlatform : public toolkit::Platform {
  public:
    // The title of a message box without one of its own.
    static constexpr const char* defaultTitle = "Sudoku";

    // Where printed pages go: the system's default printer, looked up anew
    // for every page, unless a target of its own is set (tests).
    using PrintTargetSource = std::function<std::unique_ptr<PrintTarget>()>;
    void setPrintTarget(PrintTargetSource source) { printTarget_ = std::move(source); }

    int messageBox(const std::string& text, int buttons, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    // Renders the screen's window as it stands onto one page of the print
    // target and hands the page over; the default printer is looked up and
    // takes the page in the background, each step with a time bound. No
    // printer, one that refuses the page or a print server that does not
    // answer in time is failure 482; a page that cannot be made is another
    // failure.
    void printScreen(toolkit::Screen& screen) override;
    // Asks the event loop to end with status 0 once the running handler has
    // returned; nothing is destroyed here.
    void programEnded() override;

    std::optional<std::string> clipboardText() override;
    // A worker thread does the work while a local event loop keeps the
    // windows painted; user input that arrives meanwhile is discarded.
    void runInBackground(const std::function<void()>& work) override;
    // For tests: runs on the worker before each background work, so that a
    // test can hold the work as long as it needs.
    void setBackgroundGate(std::function<void()> gate) { backgroundGate_ = std::move(gate); }
    unsigned randomSeed() override;
    std::optional<std::string> saveFileName(const std::string& title,
                                            const std::string& proposed) override;
    // The page as printScreen renders it, in the page format of
    // pdfPageLayout (no print server is asked), rendered in memory and
    // handed to `write`.
    void writePdf(toolkit::Screen& screen, const std::string& path,
                  const FileWriter& write) override;

    bool ended() const { return ended_; }

  private:
    // The front end attaches itself for its lifetime (see QtFrontEnd): its
    // windows are where the dialogs open and what printing draws. Without
    // one, dialogs have no parent and printing fails.
    friend class QtFrontEnd;
    void attach(QtFrontEnd& frontEnd);
    void detach(QtFrontEnd& frontEnd);

    QWidget* dialogParent() const;
    // runInBackground for the print targets.
    Background background();

    QtFrontEnd* frontEnd_ = nullptr;
    PrintTargetSource printTarget_;
    std::function<void()> backgroundGate_;
    bool ended_ = false;
};

}  // namespace qtfront
