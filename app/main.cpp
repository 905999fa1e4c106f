// SPDX-License-Identifier: GPL-3.0-or-later
// The program sudoku: the three screens on the Qt front end.

#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <memory>

#include "app/selbstpruefung.h"
#include "app/zeitmessung.h"
#include "screens/erklaerung.h"
#include "screens/programm.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku"));
    // Lets the desktop match the windows with the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(SUDOKU_DESKTOP_DATEI));
    // One look everywhere, in which the buttons take their own colours.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Hidden windows are screens switched away from; only the model ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    qtfront::QtPlatform plattform;
    auto programm = std::make_unique<Programm>(plattform);
    // Started from the menu the working directory is usually the home folder:
    // the explanation file is then taken from the installed data folder.
    programm->start.erklaerung_orte = erklaerung::suchorte(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        SUDOKU_DATENORDNER_RELATIV, SUDOKU_DATENORDNER);
    int status = 0;
    {
        qtfront::QtFrontEnd oberflaeche(programm->app);
        plattform.setFrontEnd(&oberflaeche);
        if (zeitmessung::aktiv()) zeitmessung::einrichten(*programm, oberflaeche);
        if (selbstpruefung::aktiv()) selbstpruefung::einrichten(*programm, oberflaeche);
        programm->starten();
        if (!programm->app.ended()) status = anwendung.exec();
        // The windows go first: they observe the screens.
        plattform.setFrontEnd(nullptr);
    }
    return status;
}
