// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zeitmessung.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "screens/programm.h"
#include "screens/qt/qt_front_end.h"

namespace zeitmessung {

namespace {

// The solution of a real puzzle, row by row; the first three rows are typed.
constexpr std::string_view loesung =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
constexpr int getippte_zellen = 27;
// Pause between two key presses, so that each one meets an idle program.
constexpr int pause_ms = 20;
constexpr int aufgeben_ms = 10000;

long long jetztNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

void ausgeben(const char* name, long long seitNs) {
    const long long ms100 = (jetztNs() - seitNs) / 100000;
    std::fprintf(stderr, "%s %lld.%lld\n", name, ms100 / 10, ms100 % 10);
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0) return std::atol(zeile.c_str() + 6);
    return -1;
}

void aufgeben(const char* grund) {
    std::fprintf(stderr, "zeitmessung: %s\n", grund);
    QCoreApplication::exit(3);
}

// Calls back once, after the first paint event of a widget for which the
// condition holds: by the time the event loop runs the callback, the paint
// and the flush of the window to the screen are done.
class NaechstesZeichnen : public QObject {
  public:
    NaechstesZeichnen(QWidget* widget, std::function<bool()> bedingung,
                      std::function<void()> danach)
        : QObject(widget), bedingung_(std::move(bedingung)), danach_(std::move(danach)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && danach_ && bedingung_()) {
            QTimer::singleShot(0, parent(), std::move(danach_));
            danach_ = nullptr;
            deleteLater();
        }
        return false;
    }

  private:
    std::function<bool()> bedingung_;
    std::function<void()> danach_;
};

long long start = 0;
long long klick = 0;

// Types the digit of cell `zelle` into the focused cell and measures until
// it is drawn; then the next cell, until the three rows are full.
void tippen(Programm& programm, qtfront::QtFrontEnd& frontEnd, int zelle) {
    if (zelle > getippte_zellen) {
        std::fprintf(stderr, "rss_spiel_kb %ld\n", residentKb());
        QCoreApplication::exit(0);
        return;
    }
    toolkit::Element& feld = programm.main.txt_m(zelle);
    QWidget* widget = frontEnd.widget(feld);
    if (programm.app.focus() != &feld || !widget)
        return aufgeben("the focus is not in the next cell");

    const QString ziffer(QChar(loesung[static_cast<std::size_t>(zelle - 1)]));
    const std::string erwartet = ziffer.toStdString();
    auto gedrueckt = std::make_shared<long long>(0);
    new NaechstesZeichnen(
        widget, [&feld, erwartet] { return feld.text() == erwartet; },
        [&programm, &frontEnd, zelle, gedrueckt] {
            ausgeben("taste_bis_ziffer_ms", *gedrueckt);
            QTimer::singleShot(
                pause_ms, [&programm, &frontEnd, zelle] { tippen(programm, frontEnd, zelle + 1); });
        });
    const int taste = Qt::Key_0 + (ziffer.at(0).unicode() - '0');
    *gedrueckt = jetztNs();
    QCoreApplication::postEvent(widget,
                                new QKeyEvent(QEvent::KeyPress, taste, Qt::NoModifier, ziffer));
    QCoreApplication::postEvent(widget,
                                new QKeyEvent(QEvent::KeyRelease, taste, Qt::NoModifier, ziffer));
}

}  // namespace

bool aktiv() {
    return std::getenv("SUDOKU_ZEITMESSUNG") != nullptr;
}

void einrichten(Programm& programm, qtfront::QtFrontEnd& frontEnd) {
    start = std::atoll(std::getenv("SUDOKU_ZEITMESSUNG"));
    if (start <= 0) start = jetztNs();
    QTimer::singleShot(aufgeben_ms, [] { aufgeben("no result within 10 seconds"); });

    new NaechstesZeichnen(
        frontEnd.window(programm.main), [] { return true; },
        [&programm, &frontEnd] {
            ausgeben("main_nach_klick_ms", klick);
            std::fprintf(stderr, "rss_main_kb %ld\n", residentKb());
            // As a click into cell 1 would.
            programm.main.setFocus(programm.main.txt_m(1));
            QTimer::singleShot(pause_ms, [&programm, &frontEnd] { tippen(programm, frontEnd, 1); });
        });
    new NaechstesZeichnen(
        frontEnd.window(programm.start), [] { return true; },
        [&programm, &frontEnd] {
            ausgeben("start_sichtbar_ms", start);
            std::fprintf(stderr, "rss_start_kb %ld\n", residentKb());
            auto* knopf = static_cast<QPushButton*>(frontEnd.widget(programm.start.cmd_start));
            klick = jetztNs();
            knopf->click();
        });
}

}  // namespace zeitmessung
