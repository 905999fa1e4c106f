// SPDX-License-Identifier: GPL-3.0-or-later
// The default printer through CUPS. The program talks to the print server
// itself, on a connection of its own whose every wait is bounded: a server
// that accepts connections but never answers would otherwise hold the
// caller for a minute per request (libcups' default). The job goes to CUPS
// directly as well, because Qt's CUPS print engine drops the answer of the
// job submission: a printer that refuses the job would look like a
// successful print.

#include <cups/cups.h>

#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <algorithm>
#include <optional>
#include <string>

#include "screens/qt/print_target.h"
#include "screens/toolkit/failure.h"

namespace qtfront {

namespace {

[[noreturn]] void printerFailure(const std::string& reason) {
    throw toolkit::Failure(toolkit::failure_printer, reason);
}

// Qt's margins of a printer page, which a printer's smaller ones do not
// undercut: the page keeps off the paper's edge.
constexpr double least_margin_pt = 10;

QPageLayout a4() {
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(least_margin_pt, least_margin_pt, least_margin_pt, least_margin_pt),
        QPageLayout::Point);
}

// libcups asks this once an answer is overdue: give up.
int giveUp(http_t*, void*) {
    return 0;
}

// A connection to the print server that libcups' settings name (CUPS_SERVER,
// client.conf, the local socket), on which connecting and every answer may
// take at most the bound.
class PrintServer {
  public:
    explicit PrintServer(int boundMs)
        : http_(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             boundMs, nullptr)) {
        if (http_) httpSetTimeout(http_, boundMs / 1000.0, giveUp, nullptr);
    }
    ~PrintServer() {
        if (destination_) cupsFreeDests(1, destination_);
        if (http_) httpClose(http_);
    }
    PrintServer(const PrintServer&) = delete;
    PrintServer& operator=(const PrintServer&) = delete;

    bool connected() const { return http_ != nullptr; }
    http_t* http() const { return http_; }

    // The default printer with its saved options (lpoptions), as lp uses
    // them; null when there is none or the server does not answer.
    cups_dest_t* defaultPrinter() {
        if (!destination_ && http_) destination_ = cupsGetNamedDest(http_, nullptr, nullptr);
        return destination_;
    }

    // The page of the printer's paper: the one its options choose, else its
    // default paper; none when the server does not tell.
    std::optional<QPageLayout> paper(cups_dest_t* printer) {
        cups_dinfo_t* info = cupsCopyDestInfo(http_, printer);
        if (!info) return std::nullopt;
        std::optional<QPageLayout> layout;
        const char* chosen = cupsGetOption("media", printer->num_options, printer->options);
        ipp_attribute_t* fallback = cupsFindDestDefault(http_, printer, info, "media");
        for (const char* media :
             {chosen, fallback ? ippGetString(fallback, 0, nullptr) : nullptr}) {
            cups_size_t size{};
            if (!media ||
                !cupsGetDestMediaByName(http_, printer, info, media, CUPS_MEDIA_FLAGS_DEFAULT,
                                        &size) ||
                size.width <= 0 || size.length <= 0)
                continue;
            // CUPS measures in hundredths of a millimetre.
            const auto points = [](int hundredths) {
                return std::max(least_margin_pt, hundredths / 100.0 / 25.4 * 72);
            };
            layout = QPageLayout(QPageSize(QSizeF(size.width / 100.0, size.length / 100.0),
                                           QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                                 QPageLayout::Portrait,
                                 QMarginsF(points(size.left), points(size.top), points(size.right),
                                           points(size.bottom)),
                                 QPageLayout::Point);
            break;
        }
        cupsFreeDestInfo(info);
        return layout;
    }

  private:
    http_t* http_;
    cups_dest_t* destination_ = nullptr;
};

class DefaultPrinter : public PrintTarget {
  public:
    // Finds the printer and its paper in the background.
    explicit DefaultPrinter(Background background) : background_(std::move(background)) {
        background_([this] {
            server_ = std::make_unique<PrintServer>(print_server_bound_ms);
            if (!server_->connected())
                printerFailure(std::string("the print server ") + cupsServer() +
                               " cannot be reached");
            cups_dest_t* printer = server_->defaultPrinter();
            if (!printer)
                printerFailure(std::string("no default printer: ") + cupsLastErrorString());
            layout_ = server_->paper(printer).value_or(a4());
        });
    }

    QPageLayout pageLayout() const override { return layout_; }

    void send(const QString& pdfFile, const QString& title) override {
        const QByteArray file = pdfFile.toLocal8Bit();
        const QByteArray name = title.toUtf8();
        background_([&] {
            cups_dest_t* printer = server_->defaultPrinter();
            const int job =
                cupsPrintFile2(server_->http(), printer->name, file.constData(), name.constData(),
                               printer->num_options, printer->options);
            if (job == 0)
                printerFailure(std::string("the printer ") + printer->name +
                               " refused the job: " + cupsLastErrorString());
        });
    }

  private:
    Background background_;
    std::unique_ptr<PrintServer> server_;
    QPageLayout layout_;
};

}  // namespace

std::unique_ptr<PrintTarget> defaultPrinter(const Background& background) {
    return std::make_unique<DefaultPrinter>(background);
}

QPageLayout pdfPageLayout() {
    QPageLayout layout = a4();
    if (QLocale::system().measurementSystem() == QLocale::ImperialUSSystem)
        layout.setPageSize(QPageSize(QPageSize::Letter));
    return layout;
}

}  // namespace qtfront
