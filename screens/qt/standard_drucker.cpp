// SPDX-License-Identifier: GPL-3.0-or-later
// The default printer through CUPS. Qt finds the printer and its page
// format; the job itself goes to CUPS directly, because Qt's CUPS print
// engine drops the answer of the job submission: a printer that refuses the
// job would look like a successful print.

#include <cups/cups.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <string>

#include "screens/qt/druckziel.h"
#include "screens/toolkit/failure.h"

namespace qtfront {

namespace {

[[noreturn]] void druckerfehler(const std::string& grund) {
    throw toolkit::Failure(toolkit::fehler_drucker, grund);
}

class StandardDrucker : public Druckziel {
  public:
    explicit StandardDrucker(QPrinterInfo info) : info_(std::move(info)) {}

    QPageLayout seitenformat() const override {
        const QPrinter drucker(info_, QPrinter::HighResolution);
        return drucker.pageLayout();
    }

    void senden(const QString& pdfDatei, const QString& titel) override {
        // Qt names an instance of a CUPS queue "queue/instance".
        const QString voll = info_.printerName();
        const qsizetype strich = voll.indexOf(QLatin1Char('/'));
        const QByteArray name = (strich < 0 ? voll : voll.left(strich)).toLocal8Bit();
        const QByteArray instanz = strich < 0 ? QByteArray() : voll.mid(strich + 1).toLocal8Bit();

        cups_dest_t* ziel = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                             instanz.isEmpty() ? nullptr : instanz.constData());
        if (!ziel) druckerfehler("Drucker nicht erreichbar: " + voll.toStdString());
        // The queue's saved options (lpoptions) apply, as with lp.
        const int auftrag =
            cupsPrintFile2(CUPS_HTTP_DEFAULT, ziel->name, pdfDatei.toLocal8Bit().constData(),
                           titel.toUtf8().constData(), ziel->num_options, ziel->options);
        cupsFreeDests(1, ziel);
        if (auftrag == 0)
            druckerfehler("Der Drucker " + voll.toStdString() +
                          " nahm den Auftrag nicht an: " + cupsLastErrorString());
    }

  private:
    QPrinterInfo info_;
};

}  // namespace

std::unique_ptr<Druckziel> standardDrucker() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) druckerfehler("Kein Standarddrucker eingerichtet");
    return std::make_unique<StandardDrucker>(std::move(info));
}

}  // namespace qtfront
