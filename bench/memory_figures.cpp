// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory over a long session: the real program in real windows,
// driven by random user actions through its widgets (digits typed, undo
// and redo, hints, checks, the digit marking, the cell menu, a restart
// taken back, a paste, the print screen with the PDF file dialog opened and
// cancelled). Prints the resident memory once the main screen is up, after
// the first 100 actions, and after 1,000 and 5,000 (or the counts given),
// and the growth since the first 100. Dialogs and menus are closed as by
// Escape once they have been drawn.
//   build/bench/memory_figures [ACTIONS...] [--seed N]
// Run it under a virtual X server (xvfb-run -a) for real windows, or with
// QT_QPA_PLATFORM=offscreen.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/timing.h"
#include "screens/program.h"
#include "screens/qt/program_style.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"

namespace {

// Closes whatever dialog or menu an action opens, as a user who presses
// Escape: message boxes by their escape button, other dialogs rejected.
// Each is left open for a moment first, so that it is drawn as a user
// sees it.
class Dismisser : public QObject {
  public:
    Dismisser() {
        timer_.setInterval(2);
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* open = QApplication::activePopupWidget();
            if (!open) open = QApplication::activeModalWidget();
            if (open != seen_) {
                seen_ = open;
                openFor_.start();
                return;
            }
            if (!open || openFor_.elapsed() < 30) return;
            if (auto* box = qobject_cast<QMessageBox*>(open)) {
                if (QAbstractButton* escape = box->escapeButton())
                    escape->click();
                else
                    box->reject();
            } else if (auto* dialog = qobject_cast<QDialog*>(open)) {
                dialog->reject();
            } else {
                open->close();
            }
        });
        timer_.start();
    }

  private:
    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer openFor_;
};

void waitActive(QWidget* window) {
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "a window did not become active\n");
}

const char* const puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class Session {
  public:
    explicit Session(unsigned seed)
        : program_(std::make_unique<Program>(platform_)),
          frontEnd_(std::make_unique<qtfront::QtFrontEnd>(platform_, program_->app)),
          random_(seed) {
        program_->startProgram();
        waitActive(frontEnd_->window(program_->start));
        click(program_->start.cmd_start);
        waitActive(frontEnd_->window(program_->main));
    }
    ~Session() {
        frontEnd_.reset();  // the windows observe the screens: they go first
        program_.reset();
    }

    void randomAction() {
        if (!program_->main.visible()) click(program_->druck.cmd_zurueck);
        // Undo, redo, the hint and the check of the entries.
        static constexpr Qt::Key shortcuts[] = {Qt::Key_Z, Qt::Key_Y, Qt::Key_H, Qt::Key_E};
        const int what = pick(12);
        switch (what) {
            case 0:
            case 1:
            case 2:
                typeDigit();
                break;
            case 3:
            case 4:
            case 5:
            case 6:
                key(shortcuts[what - 3], Qt::ControlModifier);
                break;
            case 7:
                key(static_cast<Qt::Key>(Qt::Key_0 + pick(10)), Qt::ControlModifier);
                break;
            case 8:
                cellMenu();
                break;
            case 9:
                click(program_->main.cmd_neustart);
                key(Qt::Key_Z, Qt::ControlModifier);
                break;
            case 10:
                QGuiApplication::clipboard()->setText(QString::fromLatin1(puzzle));
                click(program_->main.cmd_neustart);
                key(Qt::Key_V, Qt::ControlModifier);
                break;
            case 11:
                pdfDialog();
                break;
        }
        QCoreApplication::processEvents();
    }

  private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    void click(const toolkit::Element& element) {
        QTest::mouseClick(frontEnd_->widget(element), Qt::LeftButton);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (QWidget* target = QApplication::focusWidget()) QTest::keyClick(target, key, modifiers);
    }

    void typeDigit() {
        click(program_->main.txt_m(1 + pick(81)));
        key(static_cast<Qt::Key>(Qt::Key_1 + pick(9)));
    }

    void cellMenu() {
        QWidget* cell = frontEnd_->widget(program_->main.txt_m(1 + pick(81)));
        QContextMenuEvent event(QContextMenuEvent::Mouse, cell->rect().center(),
                                cell->mapToGlobal(cell->rect().center()));
        QApplication::sendEvent(cell, &event);
    }

    // "Drucken", Ctrl+S on the print screen (the file dialog opens and is
    // cancelled), "Zurück ".
    void pdfDialog() {
        click(program_->main.cmd_druck);
        waitActive(frontEnd_->window(program_->druck));
        click(program_->druck.txt_eing(0));
        key(Qt::Key_S, Qt::ControlModifier);
        click(program_->druck.cmd_zurueck);
    }

    qtfront::QtPlatform platform_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<qtfront::QtFrontEnd> frontEnd_;
    std::mt19937 random_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(qtfront::programStyle());
    QApplication::setQuitOnLastWindowClosed(false);

    unsigned seed = 1;
    std::vector<int> marks;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--seed" && i + 1 < argc)
            seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else
            marks.push_back(std::atoi(argv[i]));
    }
    if (marks.empty()) marks = {1000, 5000};

    Dismisser dismisser;
    Session session(seed);
    std::printf("platform %s, seed %u\n", qPrintable(QGuiApplication::platformName()), seed);
    std::printf("%-28s %8ld kB\n", "main screen up", timing::residentKilobytes());
    long first = 0;
    int done = 0;
    for (int mark : marks) {
        for (; done < mark; ++done) {
            session.randomAction();
            if (done + 1 == 100) {
                first = timing::residentKilobytes();
                std::printf("%-28s %8ld kB\n", "after 100 actions", first);
            }
        }
        if (mark == 100) continue;
        const long now = timing::residentKilobytes();
        const std::string label = "after " + std::to_string(mark) + " actions";
        std::printf("%-28s %8ld kB   %+5.1f MB since 100\n", label.c_str(), now,
                    (now - first) / 1024.0);
        std::fflush(stdout);
    }
    return 0;
}
