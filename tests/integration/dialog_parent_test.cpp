// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of tests/integration/dialog_parent.sh: the real screens
// on the platform the script chose (Wayland), opening a message box, an
// input box and a file dialog on the three screens as a user would. Prints
// one line per dialog, "TITLE over WINDOW TITLE", naming the window it must
// belong to; the script compares them with what the compositor was told.
// Exit status 0 when every dialog opened and was answered.

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <cstdio>

#include "widget_fixture.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku"));
    int failures = 0;
    const auto expect = [](const char* dialog, const char* window) {
        std::printf("%s over %s\n", dialog, window);
        std::fflush(stdout);
    };
    {
        RunningProgram p;
        frm_sudoku_start& start = p.program->start;
        frm_sudoku_main& main = p.program->main;
        frm_sudoku_druck& druck = p.program->druck;
        DialogAnswerer dialogs;

        // No explanation file in the working folder: a message on the start screen.
        dialogs.button("OK");
        expect("Achtung!", "Form1");
        p.click(start.cmd_erkl);

        // "Datei einlesen" cancelled on the main screen: the input box, then
        // the message about the missing file ".txt".
        p.startGame();
        dialogs.cancelNext();
        dialogs.button("OK");
        expect("Hinweis!", "Form1");
        expect("Achtung!", "Form1");
        p.click(main.cmd_einlesen_vorgabe);

        // Ctrl+S on the print screen: the file dialog, cancelled.
        p.click(main.cmd_druck);
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                asked = true;
                dialog->reject();
            }
        });
        expect("Als PDF speichern", "Drucken");
        // Straight to the grid's widget: a headless compositor has no seat,
        // so no window gets the keyboard focus.
        druck.setFocus(druck.flx_print);
        QTest::keyClick(p.widget(druck.flx_print), Qt::Key_S, Qt::ControlModifier);

        if (!asked) ++failures;
        if (dialogs.seen().size() != 3 || dialogs.unexpected() != 0 || !dialogs.allAnswered())
            ++failures;
    }
    if (failures) std::fprintf(stderr, "ERROR: %d dialogs were not seen as expected\n", failures);
    return failures == 0 ? 0 : 1;
}
