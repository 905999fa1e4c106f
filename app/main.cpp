// The program sudoku: the three screens on the Qt front end.

#include <QApplication>
#include <QStyleFactory>
#include <memory>

#include "app/zeitmessung.h"
#include "screens/programm.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku"));
    // One look everywhere, in which the buttons take their own colours.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Hidden windows are screens switched away from; only the model ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    qtfront::QtPlatform plattform;
    auto programm = std::make_unique<Programm>(plattform);
    int status = 0;
    {
        qtfront::QtFrontEnd oberflaeche(programm->app);
        plattform.setFrontEnd(&oberflaeche);
        if (zeitmessung::aktiv()) zeitmessung::einrichten(*programm, oberflaeche);
        programm->starten();
        if (!programm->app.ended()) status = anwendung.exec();
        // The windows go first: they observe the screens.
        plattform.setFrontEnd(nullptr);
    }
    return status;
}
