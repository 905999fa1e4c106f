// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

namespace qtfront {

// Where a printed page goes. Printing renders the page into a PDF file of the
// target's page format and hands that file to the target, which reports
// every refusal as the printer failure 482 (toolkit::Failure).
class PrintTarget {
  public:
    virtual ~PrintTarget() = default;
    // Paper size, orientation and margins of the target's page.
    virtual QPageLayout pageLayout() const = 0;
    // Sends the finished page; returns once the target has taken it.
    virtual void send(const QString& pdfFile, const QString& title) = 0;
};

// Runs work off the user-interface thread while the windows keep painting
// (QtPlatform::runInBackground); a failure of the work is thrown here.
using Background = std::function<void(const std::function<void()>&)>;

// How long the print server may take to accept a connection, and to answer
// each request, when printing; a server that takes longer counts as no
// printer.
inline constexpr int print_server_bound_ms = 5000;

// The system's default printer through CUPS, looked up in the background.
// Throws failure 482 when no default printer is set up or CUPS cannot be
// reached, or does not answer in time.
std::unique_ptr<PrintTarget> defaultPrinter(const Background& background);

// The page format of a PDF file: a file needs no printer, so no print server
// is asked (one that does not answer would hold the save). US Letter where
// the user's locale measures in inches, A4 elsewhere.
QPageLayout pdfPageLayout();

}  // namespace qtfront
