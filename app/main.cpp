// SPDX-License-Identifier: GPL-3.0-or-later
// The program sudoku: the three screens on the Qt front end.

#include <QApplication>
#include <QFile>
#include <memory>

#include "app/self_check.h"
#include "app/timing.h"
#include "screens/explanation.h"
#include "screens/program.h"
#include "screens/qt/program_style.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku"));
    // Lets the desktop match the windows with the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(SUDOKU_DESKTOP_FILE));
    // One look everywhere, in which the buttons take their own colours.
    QApplication::setStyle(qtfront::programStyle());
    // Hidden windows are screens switched away from; only the model ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    qtfront::QtPlatform platform;
    auto program = std::make_unique<Program>(platform);
    // Started from the menu the working directory is usually the home folder:
    // the explanation file is then taken from the installed data folder.
    program->start.explanationPlaces = explanation::searchPlaces(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        SUDOKU_DATA_FOLDER_RELATIVE, SUDOKU_DATA_FOLDER);
    // Declared after the program, so destroyed before it: the windows
    // observe the screens.
    qtfront::QtFrontEnd frontEnd(platform, program->app);
    if (timing::active()) timing::install(*program, frontEnd);
    if (self_check::active()) self_check::install(*program, frontEnd);
    program->startProgram();
    int status = 0;
    if (!program->app.ended()) status = qapp.exec();
    return status;
}
