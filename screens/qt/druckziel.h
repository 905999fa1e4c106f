// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>
#include <memory>

namespace qtfront {

// Where a printed page goes. Printing renders the page into a PDF file of the
// target's page format and hands that file to the target, which reports
// every refusal as the printer failure 482 (toolkit::Failure).
class Druckziel {
  public:
    virtual ~Druckziel() = default;
    // Paper size, orientation and margins of the target's page.
    virtual QPageLayout seitenformat() const = 0;
    // Sends the finished page; returns once the target has taken it.
    virtual void senden(const QString& pdfDatei, const QString& titel) = 0;
};

// The system's default printer through CUPS. Throws failure 482 when no
// default printer is set up or CUPS cannot be reached.
std::unique_ptr<Druckziel> standardDrucker();

}  // namespace qtfront
