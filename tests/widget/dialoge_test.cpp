// SPDX-License-Identifier: GPL-3.0-or-later
// Modal boxes, printing without a printer, closing windows and the end of
// the program, also from inside a nested handler.

#include <QApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QtTest>

#include "screens/qt/seite_drucken.h"
#include "screens/toolkit/failure.h"
#include "testumgebung.h"

class DialogeTest : public ProgrammTest {
    Q_OBJECT

  private:
    // Runs the application's event loop around an action, as main() does,
    // until the program asks it to end; a loop still running after a few
    // seconds is stopped with 99.
    int ereignisschleife(std::function<void()> aktion) {
        QTimer::singleShot(0, aktion);
        QTimer notbremse;
        notbremse.setSingleShot(true);
        connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        notbremse.start(5000);
        return QCoreApplication::exec();
    }

    void allesBeendet() {
        QVERIFY(p->plattform.ended());
        QVERIFY(p->programm->app.ended());
        for (toolkit::Screen* s : p->programm->app.screens()) {
            QVERIFY(!s->loaded());
            QVERIFY(!p->fenster(*s)->isVisible());
        }
    }

  private slots:
    void init() { p = std::make_unique<LaufendesProgramm>(); }
    void cleanup() { p.reset(); }

    void meldungenMitOkJaNeinUndSymbol() {
        DialogBeantworter dialoge;
        dialoge.knopf("OK");
        dialoge.knopf("&Ja");
        dialoge.knopf("&Nein");
        QCOMPARE(p->plattform.messageBox("Zeile 1\r\nZeile 2", 0, ""), int(toolkit::antwort_ok));
        QCOMPARE(p->plattform.messageBox("Wirklich?", 52, "Rückfrage"), int(toolkit::antwort_ja));
        QCOMPARE(p->plattform.messageBox("Wirklich?", 4, "Frage"), int(toolkit::antwort_nein));
        QCOMPARE(dialoge.gesehen().size(), std::size_t(3));
        const auto& g = dialoge.gesehen();
        QCOMPARE(g[0].titel, QString("Sudoku"));
        QCOMPARE(g[0].text, QString("Zeile 1\nZeile 2"));
        QCOMPARE(g[0].knoepfe, QStringList{"OK"});
        QCOMPARE(g[0].symbol, QMessageBox::NoIcon);
        QCOMPARE(g[1].titel, QString("Rückfrage"));
        QCOMPARE(g[1].symbol, QMessageBox::Warning);
        QCOMPARE(g[1].knoepfe, (QStringList{"&Ja", "&Nein"}));
        QCOMPARE(g[2].symbol, QMessageBox::NoIcon);
        QCOMPARE(dialoge.unerwartet(), 0);
    }

    void escapeBeantwortetEineJaNeinFrageMitNein() {
        QTimer::singleShot(50, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(p->plattform.messageBox("Wirklich?", 52, "Rückfrage"), int(toolkit::antwort_nein));
    }

    void eingabefensterMitOkUndAbbrechen() {
        DialogBeantworter dialoge;
        dialoge.eingabe("sudoku1");
        dialoge.abbrechen();
        QCOMPARE(p->plattform.inputBox("Geben sie einen Namen ein!", "Hinweis!"),
                 std::string("sudoku1"));
        QCOMPARE(p->plattform.inputBox("Geben sie einen Namen ein!", "Hinweis!"), std::string());
        QCOMPARE(dialoge.gesehen().size(), std::size_t(2));
        QCOMPARE(dialoge.gesehen()[0].titel, QString("Hinweis!"));
        QCOMPARE(dialoge.gesehen()[0].text, QString("Geben sie einen Namen ein!"));
        QCOMPARE(dialoge.gesehen()[0].knoepfe, (QStringList{"OK", "Abbrechen"}));
        QCOMPARE(dialoge.unerwartet(), 0);
    }

    void einOffenesDialogfensterSperrtDieFenster() {
        p->spielStarten();
        Qt::WindowModality sperre = Qt::NonModal;
        DialogBeantworter dialoge;
        dialoge.knopf("&Nein", [&] {
            sperre = QApplication::activeModalWidget()->windowModality();
            // Input for the screen behind the box, as the window system
            // delivers it, reaches nothing.
            QWindow* fenster = p->fenster(main())->windowHandle();
            QWidget* buchstabe = p->widget(main().txt_Titel(1));
            QTest::mouseClick(fenster, Qt::LeftButton, Qt::NoModifier,
                              buchstabe->geometry().center());
            QTest::keyClick(fenster, Qt::Key_5);
            return QString();
        });
        p->klicken(main().cmd_exit);
        QCOMPARE(sperre, Qt::ApplicationModal);
        QVERIFY(p->widget(main().txt_test)->isHidden());
        QCOMPARE(main().back, 0);
        QCOMPARE(dialoge.unerwartet(), 0);
        // Without the box, the same click reaches the title letter.
        QTest::mouseClick(p->fenster(main())->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          p->widget(main().txt_Titel(1))->geometry().center());
        QVERIFY(p->widget(main().txt_test)->isVisible());
    }

    void ohneDruckerMeldetDasDruckenDenFehler482() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        try {
            p->plattform.printScreen(start());
            QFAIL("no failure");
        } catch (const toolkit::Failure& f) {
            QCOMPARE(f.number(), int(toolkit::fehler_drucker));
        }
    }

    void eineSeiteZeigtDasFensterEingepasstUndMittig() {
        // Wider than the page's proportions: fills the width, centred vertically.
        const QRectF breit = qtfront::seitenAbbildung(QSize(700, 600), QSizeF(1400, 2000))
                                 .mapRect(QRectF(0, 0, 700, 600));
        QCOMPARE(breit, QRectF(0, 400, 1400, 1200));
        // Taller: fills the height, centred horizontally.
        const QRectF hoch = qtfront::seitenAbbildung(QSize(100, 400), QSizeF(1000, 800))
                                .mapRect(QRectF(0, 0, 100, 400));
        QCOMPARE(hoch, QRectF(400, 0, 200, 800));

        QTemporaryDir ordner;
        const QString datei = ordner.filePath("seite.pdf");
        {
            QPdfWriter pdf(datei);
            QVERIFY(qtfront::seiteDrucken(*p->fenster(start()), pdf));
        }
        QFile ergebnis(datei);
        QVERIFY(ergebnis.open(QIODevice::ReadOnly));
        const QByteArray inhalt = ergebnis.readAll();
        QVERIFY(inhalt.startsWith("%PDF"));
        QCOMPARE(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r"), 1);
    }

    void dieAbschlussfrageMitNeinBehaeltDasFenster() {
        p->spielStarten();
        DialogBeantworter dialoge;
        dialoge.knopf("&Nein");
        p->klicken(main().cmd_exit);
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        QCOMPARE(dialoge.gesehen()[0].text, QString("Wollen Sie das Programm wirklich beenden?"));
        QCOMPARE(dialoge.gesehen()[0].titel, QString("Rückfrage"));
        QCOMPARE(dialoge.gesehen()[0].symbol, QMessageBox::Warning);
        QVERIFY(p->fenster(main())->isVisible());
        QVERIFY(!p->plattform.ended());
        QVERIFY(main().loaded());
    }

    void dieAbschlussfrageMitJaBeendetDasProgramm() {
        p->spielStarten();
        DialogBeantworter dialoge;
        dialoge.knopf("&Ja");
        const int status = ereignisschleife([this] { p->klicken(main().cmd_exit); });
        QCOMPARE(status, 0);
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        allesBeendet();
    }

    void dasSchliesskreuzDesSpielfeldsFragtWieVerlassen() {
        p->spielStarten();
        DialogBeantworter dialoge;
        dialoge.knopf("&Nein");
        p->fenster(main())->close();
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        QVERIFY(p->fenster(main())->isVisible());
        QVERIFY(!p->plattform.ended());

        dialoge.knopf("&Ja");
        const int status = ereignisschleife([this] { p->fenster(main())->close(); });
        QCOMPARE(status, 0);
        allesBeendet();
    }

    void dasSchliesskreuzDesStartbildschirmsBeendetVorDemSpiel() {
        const int status = ereignisschleife([this] { p->fenster(start())->close(); });
        QCOMPARE(status, 0);
        allesBeendet();
    }

    void dasEndeAusEinerVerschachteltenBehandlungZerstoertNichts() {
        // As on a damaged puzzle file: the exit command runs inside a cell's
        // change handling, nested in the key press, and asks nothing.
        p->spielStarten();
        toolkit::Element& zelle = main().txt_m(30);
        auto bisher = zelle.onChange;
        zelle.onChange = [this, bisher] {
            bisher();
            main().beenden = toolkit::True;
            main().cmd_exit_Click();
        };
        DialogBeantworter dialoge;
        const int status = ereignisschleife([this] {
            p->klicken(main().txt_m(30));
            p->tippen("7");
        });
        QCOMPARE(status, 0);
        QCOMPARE(dialoge.gesehen().size(), std::size_t(0));
        allesBeendet();
        // The widgets are still there until the program is torn down.
        QCOMPARE(p->zeile(main().txt_m(30))->text(), QString("7"));
    }
};

QTEST_MAIN(DialogeTest)
#include "dialoge_test.moc"
