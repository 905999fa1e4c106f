// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of the printing integration test: the real screens on
// the real Qt platform, printing to the system's default printer. Run by
// tests/integration/druck_cups.sh, which makes a virtual PDF printer the
// default of a private CUPS server, names it in SUDOKU_DRUCKTEST_DRUCKER and
// checks the page that arrives. Without that name every test is skipped, so
// that it never prints on a real printer.

#include <QPrinterInfo>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

#include "screens/qt/umrechnung.h"
#include "testumgebung.h"

class DruckCupsTest : public ProgrammTest {
    Q_OBJECT

  private:
    // Givens 5 and 3 in the top row, fixed; own entries 4 in the centre and
    // 9 in the bottom-right corner. Then the print screen with its header
    // fields filled: the texts the script looks for on the page. The notes
    // have more lines than the field shows at its normal height.
    void spielMitKopfzeilen() {
        inZelle(1, "53");
        p->klicken(main().cmd_einlesen_vorgabe);
        inZelle(41, "4");
        inZelle(81, "9");
        p->klicken(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->fenster(druck())));
        insFeld(0, "Rätsel aus der Zeitung");
        insFeld(1, "Erika Mustermann");
        insFeld(2, "Montag Abend");
        insFeld(3,
                "Notiz eins\nNotiz zwei\nNotiz drei\nNotiz vier\nNotiz fünf\nNotiz sechs\n"
                "Notiz sieben\nNotiz acht\nNotiz neun\nNotiz zehn\nNotiz elf\nNotiz zwölf\n"
                "Notiz dreizehn");
        QCOMPARE(druck().txt_eing(0).text(), std::string("Rätsel aus der Zeitung"));
        QVERIFY2(p->feld(druck().txt_eing(3))->verticalScrollBar()->maximum() > 0,
                 "the notes must not fit the field at its normal height");
    }

  private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("SUDOKU_DRUCKTEST_DRUCKER"))
            QSKIP("runs only inside tests/integration/druck_cups.sh");
    }
    void init() {
        p = std::make_unique<LaufendesProgramm>();
        p->spielStarten();
    }
    void cleanup() { p.reset(); }

    // The default printer takes the page: no message, the screen as before.
    void eineSeiteGehtAnDenStandarddrucker() {
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(),
                 qEnvironmentVariable("SUDOKU_DRUCKTEST_DRUCKER"));
        spielMitKopfzeilen();
        DialogBeantworter dialoge;
        p->klicken(druck().cmd_print);
        for (const GesehenerDialog& d : dialoge.gesehen()) qWarning() << "dialog:" << d.text;
        QCOMPARE(dialoge.gesehen().size(), std::size_t(0));
        pruefeDruckschirmWiederhergestellt();
    }

    // A printer that refuses the job, or no printer at all: the printer
    // message, then the screen as before.
    void derDruckerfehlerWirdGemeldet() {
        spielMitKopfzeilen();
        DialogBeantworter dialoge;
        dialoge.knopf("OK");
        p->klicken(druck().cmd_print);
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        QCOMPARE(dialoge.gesehen()[0].text,
                 QString("Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!"));
        QCOMPARE(dialoge.unerwartet(), 0);
        pruefeDruckschirmWiederhergestellt();
    }
};

QTEST_MAIN(DruckCupsTest)
#include "druck_cups_test.moc"
