// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/timing.h"

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

#include "screens/program.h"
#include "screens/qt/qt_front_end.h"

namespace timing {

namespace {

// The solution of a real puzzle, row by row; the first three rows are typed.
constexpr std::string_view solution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
constexpr int typed_cells = 27;
// Pause between two key presses, so that each one meets an idle program.
constexpr int pause_ms = 20;
constexpr int give_up_ms = 10000;

long long nowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

void report(const char* name, long long sinceNs) {
    const long long ms100 = (nowNs() - sinceNs) / 100000;
    std::fprintf(stderr, "%s %lld.%lld\n", name, ms100 / 10, ms100 % 10);
}

void giveUp(const char* reason) {
    std::fprintf(stderr, "timing: %s\n", reason);
    QCoreApplication::exit(3);
}

// Calls back once, after the first paint event of a widget for which the
// condition holds: by the time the event loop runs the callback, the paint
// and the flush of the window to the screen are done.
class NextPaint : public QObject {
  public:
    NextPaint(QWidget* widget, std::function<bool()> condition, std::function<void()> after)
        : QObject(widget), condition_(std::move(condition)), after_(std::move(after)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && after_ && condition_()) {
            QTimer::singleShot(0, parent(), std::move(after_));
            after_ = nullptr;
            deleteLater();
        }
        return false;
    }

  private:
    std::function<bool()> condition_;
    std::function<void()> after_;
};

long long start = 0;
long long clickedAt = 0;

// Types the digit of cell `cell` into the focused cell and measures until
// it is drawn; then the next cell, until the three rows are full.
void typeText(Program& program, qtfront::QtFrontEnd& frontEnd, int cell) {
    if (cell > typed_cells) {
        std::fprintf(stderr, "rss_game_kb %ld\n", residentKilobytes());
        QCoreApplication::exit(0);
        return;
    }
    toolkit::Element& field = program.main.txt_m(cell);
    QWidget* widget = frontEnd.widget(field);
    if (program.app.focus() != &field || !widget)
        return giveUp("the focus is not in the next cell");

    const QString digit(QChar(solution[static_cast<std::size_t>(cell - 1)]));
    const std::string expected = digit.toStdString();
    auto pressedAt = std::make_shared<long long>(0);
    new NextPaint(
        widget, [&field, expected] { return field.text() == expected; },
        [&program, &frontEnd, cell, pressedAt] {
            report("key_to_digit_ms", *pressedAt);
            QTimer::singleShot(
                pause_ms, [&program, &frontEnd, cell] { typeText(program, frontEnd, cell + 1); });
        });
    const int key = Qt::Key_0 + (digit.at(0).unicode() - '0');
    *pressedAt = nowNs();
    QCoreApplication::postEvent(widget,
                                new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, digit));
    QCoreApplication::postEvent(widget,
                                new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, digit));
}

}  // namespace

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

bool active() {
    return std::getenv("SUDOKU_TIMING") != nullptr;
}

void install(Program& program, qtfront::QtFrontEnd& frontEnd) {
    start = std::atoll(std::getenv("SUDOKU_TIMING"));
    if (start <= 0) start = nowNs();
    QTimer::singleShot(give_up_ms, [] { giveUp("no result within 10 seconds"); });

    new NextPaint(
        frontEnd.window(program.main), [] { return true; },
        [&program, &frontEnd] {
            report("main_after_click_ms", clickedAt);
            std::fprintf(stderr, "rss_main_kb %ld\n", residentKilobytes());
            // As a click into cell 1 would.
            program.main.setFocus(program.main.txt_m(1));
            QTimer::singleShot(pause_ms, [&program, &frontEnd] { typeText(program, frontEnd, 1); });
        });
    new NextPaint(
        frontEnd.window(program.start), [] { return true; },
        [&program, &frontEnd] {
            report("start_visible_ms", start);
            std::fprintf(stderr, "rss_start_kb %ld\n", residentKilobytes());
            auto* button = static_cast<QPushButton*>(frontEnd.widget(program.start.cmd_start));
            clickedAt = nowNs();
            button->click();
        });
}

}  // namespace timing
