#include "app/zeitmessung.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "screens/programm.h"
#include "screens/qt/qt_front_end.h"

namespace zeitmessung {

namespace {

long long jetztNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0) return std::atol(zeile.c_str() + 6);
    return -1;
}

// Reports the first drawing of a window, once the event loop is back from it.
class ErstesZeichnen : public QObject {
  public:
    ErstesZeichnen(QWidget* fenster, std::function<void()> danach)
        : QObject(fenster), danach_(std::move(danach)) {
        fenster->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && danach_) {
            QTimer::singleShot(0, parent(), std::move(danach_));
            danach_ = nullptr;
        }
        return false;
    }

  private:
    std::function<void()> danach_;
};

long long start = 0;
long long klick = 0;

}  // namespace

bool aktiv() {
    return std::getenv("SUDOKU_ZEITMESSUNG") != nullptr;
}

void einrichten(Programm& programm, qtfront::QtFrontEnd& frontEnd) {
    start = std::atoll(std::getenv("SUDOKU_ZEITMESSUNG"));
    new ErstesZeichnen(frontEnd.window(programm.main), [] {
        const long long ms100 = (jetztNs() - klick) / 100000;
        std::fprintf(stderr, "main_nach_klick_ms %lld.%lld\nrss_main_kb %ld\n", ms100 / 10,
                     ms100 % 10, residentKb());
        QCoreApplication::exit(0);
    });
    new ErstesZeichnen(frontEnd.window(programm.start), [&programm, &frontEnd] {
        const long long ms100 = (jetztNs() - start) / 100000;
        std::fprintf(stderr, "start_sichtbar_ms %lld.%lld\nrss_start_kb %ld\n", ms100 / 10,
                     ms100 % 10, residentKb());
        auto* knopf = static_cast<QPushButton*>(frontEnd.widget(programm.start.cmd_start));
        klick = jetztNs();
        knopf->click();
    });
}

}  // namespace zeitmessung
