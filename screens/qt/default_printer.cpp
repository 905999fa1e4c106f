// SPDX-License-Identifier: GPL-3.0-or-later
// The default printer through CUPS. Qt finds the printer and its page
// format; the job itself goes to CUPS directly, because Qt's CUPS print
// engine drops the answer of the job submission: a printer that refuses the
// job would look like a successful print.

#include <cups/cups.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <string>

#include "screens/qt/print_target.h"
#include "screens/toolkit/failure.h"

namespace qtfront {

namespace {

[[noreturn]] void printer_failure(const std::string& reason) {
    throw toolkit::Failure(toolkit::failure_printer, reason);
}

class DefaultPrinter : public PrintTarget {
  public:
    explicit DefaultPrinter(QPrinterInfo info) : info_(std::move(info)) {}

    QPageLayout pageLayout() const override {
        const QPrinter printer(info_, QPrinter::HighResolution);
        return printer.pageLayout();
    }

    void send(const QString& pdfFile, const QString& title) override {
        // Qt names an instance of a CUPS queue "queue/instance".
        const QString full = info_.printerName();
        const qsizetype slash = full.indexOf(QLatin1Char('/'));
        const QByteArray name = (slash < 0 ? full : full.left(slash)).toLocal8Bit();
        const QByteArray instance = slash < 0 ? QByteArray() : full.mid(slash + 1).toLocal8Bit();

        cups_dest_t* target = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                               instance.isEmpty() ? nullptr : instance.constData());
        if (!target) printer_failure("printer not reachable: " + full.toStdString());
        // The queue's saved options (lpoptions) apply, as with lp.
        const int job =
            cupsPrintFile2(CUPS_HTTP_DEFAULT, target->name, pdfFile.toLocal8Bit().constData(),
                           title.toUtf8().constData(), target->num_options, target->options);
        cupsFreeDests(1, target);
        if (job == 0)
            printer_failure("the printer " + full.toStdString() +
                            " refused the job: " + cupsLastErrorString());
    }

  private:
    QPrinterInfo info_;
};

}  // namespace

std::unique_ptr<PrintTarget> defaultPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) printer_failure("no default printer set up");
    return std::make_unique<DefaultPrinter>(std::move(info));
}

}  // namespace qtfront
