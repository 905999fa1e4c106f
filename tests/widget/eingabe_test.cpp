// SPDX-License-Identifier: GPL-3.0-or-later
// The user's keyboard and mouse reach the model only through its filters:
// typing into board cells, paste and other edit paths, the focus, clicks,
// check boxes and free text fields.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

#include "testumgebung.h"

class EingabeTest : public ProgrammTest {
    Q_OBJECT

  private:
  private slots:
    void init() {
        p = std::make_unique<LaufendesProgramm>();
        p->spielStarten();
    }
    void cleanup() { p.reset(); }

    void einGetippterZifferSteht_sperrtDieZelleUndDerFokusWandert() {
        inZelle(23, "5");
        QLineEdit* zelle = p->zeile(main().txt_m(23));
        QCOMPARE(zelle->text(), QString("5"));
        QVERIFY(zelle->isReadOnly());
        QVERIFY(main().txt_m(23).locked());
        QCOMPARE(main().back, 1);
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(24)));
        QCOMPARE(p->programm->app.focus(), &main().txt_m(24));
        QVERIFY(p->knopf(main().cmd_back)->isEnabled());
        QCOMPARE(p->knopf(main().cmd_einlesen_vorgabe)->text(), QString("Vorgabe beenden"));
    }

    void eineZiffernfolgeFuelltDieReiheVonLinksNachRechts() {
        inZelle(1, "123 5");
        const char* erwartet[] = {"1", "2", "3", "", "5"};
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(p->zeile(main().txt_m(k))->text(), QString(erwartet[k - 1]));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(6)));
    }

    void eineAbgewieseneZifferZeigtDieMeldungUndDieZelleBleibtLeer() {
        inZelle(19, "5");  // row 3, square 1
        DialogBeantworter dialoge;
        QLineEdit* zelle = p->zeile(main().txt_m(23));
        dialoge.knopf("OK", [zelle] { return zelle->text(); });
        inZelle(23, "5");  // row 3, square 2: the 5 stands in the row
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        const GesehenerDialog& meldung = dialoge.gesehen()[0];
        QCOMPARE(meldung.text,
                 QString("Die Zahl  5 ist in der waagrechten Reihe schon vorhanden!"));
        QCOMPARE(meldung.titel, QString("Sudoku"));
        QCOMPARE(meldung.symbol, QMessageBox::NoIcon);
        QCOMPARE(meldung.knoepfe, QStringList{"OK"});
        QCOMPARE(meldung.beiOeffnung, QString("!"));  // the cell showed "!" meanwhile
        QCOMPARE(zelle->text(), QString());
        QVERIFY(!zelle->isReadOnly());
        QCOMPARE(main().back, 1);
        QCOMPARE(dialoge.unerwartet(), 0);
    }

    void eineZifferInReiheUndQuadratNenntBeide() {
        inZelle(1, "5");
        DialogBeantworter dialoge;
        dialoge.knopf("OK");
        inZelle(3, "5");
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        QCOMPARE(
            dialoge.gesehen()[0].text,
            QString("Die Zahl  5 ist in der waagrechten Reihe und im Quadrat schon vorhanden!"));
    }

    void buchstabenUndNullErreichenKeineZelle() {
        inZelle(1, "a0x !");
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(p->zeile(main().txt_m(k))->text(), QString());
            QCOMPARE(main().txt_m(k).text(), std::string());
        }
        QCOMPARE(main().back, 0);
        // Each key still moved the focus on by one cell.
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(6)));
    }

    void einfuegenZiehenUndRueckgaengigAendernKeineZelle() {
        // Ctrl+V and Shift+Insert read the clipboard as a whole puzzle, which
        // this text is not; the cell itself takes nothing.
        QGuiApplication::clipboard()->setText("0a7");
        DialogBeantworter dialoge;
        dialoge.knopf("OK");
        dialoge.knopf("OK");
        p->klicken(main().txt_m(10));
        QLineEdit* zelle = p->zeile(main().txt_m(10));
        p->taste(Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(zelle, Qt::Key_Insert, Qt::ShiftModifier);
        QVERIFY(dialoge.alleBeantwortet());
        p->fenster(main())->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p->fenster(main())));
        QCOMPARE(zelle->text(), QString());
        // Also the widget's own edit functions, called directly, are undone at once.
        zelle->paste();
        QCOMPARE(zelle->text(), QString());
        zelle->insert("0");
        QCOMPARE(zelle->text(), QString());
        QCOMPARE(main().txt_m(10).text(), std::string());
        QVERIFY(!zelle->acceptDrops());
        // The program's own menu, not the widget's edit menu.
        QCOMPARE(zelle->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(main().back, 0);

        // Undo, Delete and cut do not take an accepted digit out of its cell.
        inZelle(10, "7");
        p->klicken(main().txt_m(10));
        p->taste(Qt::Key_Z, Qt::ControlModifier);
        p->klicken(main().txt_m(10));
        p->taste(Qt::Key_Delete);
        p->klicken(main().txt_m(10));
        p->taste(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(zelle->text(), QString("7"));
        QCOMPARE(main().txt_m(10).text(), std::string("7"));
        QCOMPARE(main().back, 1);
    }

    void einGesperrtesFeldBleibtUnveraendertDerFokusWandertWeiter() {
        inZelle(40, "4");
        inZelle(40, "6");
        QCOMPARE(p->zeile(main().txt_m(40))->text(), QString("4"));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(41)));
        QCOMPARE(main().back, 1);
    }

    void rueckschrittUndEingabeTasteSpringenNurWeiter() {
        p->klicken(main().txt_m(5));
        p->taste(Qt::Key_Backspace);
        p->taste(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(7)));
        QCOMPARE(main().txt_m(5).text(), std::string());
        QCOMPARE(main().txt_m(6).text(), std::string());
    }

    void inDerLetztenZelleBleibtDerFokus() {
        inZelle(81, "9");
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(81)));
        QCOMPARE(p->zeile(main().txt_m(81))->text(), QString("9"));
    }

    void dieKontrollanzeigenFolgenDemZug() {
        inZelle(23, "5");  // row 3, column 5, square 2
        QCOMPARE(p->beschriftung(main().lbl_w(2 * 9 + 5))->text(), QString());
        QCOMPARE(p->beschriftung(main().lbl_w(2 * 9 + 4))->text(), QString("4"));
        QCOMPARE(p->beschriftung(main().lbl_s(4 * 9 + 5))->text(), QString());
        QCOMPARE(p->beschriftung(main().lbl_q(1 * 9 + 5))->text(), QString());
        QCOMPARE(p->beschriftung(main().lbl_q(0 * 9 + 5))->text(), QString("5"));
        QCOMPARE(p->feld(main().txt_c(23))->toPlainText(), QString());
        // Cell 24 shares the row: its pad has lost the 5, shape kept.
        QCOMPARE(p->feld(main().txt_c(24))->toPlainText(), QString("1 2 3\n4   6\n7 8 9"));
        QCOMPARE(p->feld(main().txt_c(30))->toPlainText(), QString("1 2 3\n4 5 6\n7 8 9"));
        QCOMPARE(p->beschriftung(main().lbl_c(23))->text(), QString("5"));
        QCOMPARE(p->beschriftung(main().lbl_erkl(4))->text(), QString("1"));

        inZelle(41, "3");
        QCOMPARE(p->beschriftung(main().lbl_c(23))->text(), QString());
        QCOMPARE(p->beschriftung(main().lbl_c(41))->text(), QString("3"));
        QCOMPARE(p->beschriftung(main().lbl_erkl(4))->text(), QString("2"));

        // Undo brings the displays back.
        p->klicken(main().cmd_back);
        QCOMPARE(p->zeile(main().txt_m(41))->text(), QString());
        QVERIFY(!p->zeile(main().txt_m(41))->isReadOnly());
        QCOMPARE(p->beschriftung(main().lbl_c(23))->text(), QString("5"));
        QCOMPARE(p->feld(main().txt_c(41))->toPlainText(), QString("1 2 3\n4   6\n7 8 9"));
    }

    void einKlickAufDasLetzteEingabefeldSetztEineMarkierung() {
        inZelle(40, "5");
        p->klicken(main().lbl_c(40));
        QCOMPARE(p->beschriftung(main().lbl_c(40))->text(), QString("a"));
        QCOMPARE(main().markierung(40), std::string("a"));
    }

    void einKlickAufDieTitelbuchstabenErreichtDasModell() {
        inZelle(1, "5");
        QTextEdit* liste = p->feld(main().txt_test);
        p->klicken(main().txt_Titel(1));
        QVERIFY(liste->isVisible());
        QVERIFY(liste->toPlainText().startsWith("1 ) .....\n1 2 3\n4 5 6\n7 8 9"));
        p->klicken(main().txt_Titel(0));
        QVERIFY(!liste->isVisible());
    }

    void derModellfokusBewegtDenTastaturfokusUndUmgekehrt() {
        main().setFocus(main().txt_m(50));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(50)));
        p->klicken(main().txt_m(12));
        QCOMPARE(p->programm->app.focus(), &main().txt_m(12));
        p->taste(Qt::Key_Tab);
        QCOMPARE(p->programm->app.focus(), &main().txt_m(13));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(13)));
        p->klicken(main().txt_m(81));
        p->taste(Qt::Key_Tab);
        QCOMPARE(p->programm->app.focus(), &main().txt_c(1));
        p->taste(Qt::Key_Backtab);
        QCOMPARE(p->programm->app.focus(), &main().txt_m(81));
    }

    void dieTabulatorfolgeIstDieDesModells() {
        for (toolkit::Screen* screen : p->programm->app.screens()) {
            if (!screen->loaded()) continue;
            std::vector<toolkit::Element*> folge = screen->tabOrder();
            for (std::size_t i = 0; i + 1 < folge.size(); ++i) {
                // Tab skips the widgets that never take the focus.
                QWidget* naechstes = p->widget(*folge[i])->nextInFocusChain();
                while (!(naechstes->focusPolicy() & Qt::TabFocus))
                    naechstes = naechstes->nextInFocusChain();
                QCOMPARE(naechstes, p->widget(*folge[i + 1]));
            }
        }
    }

    void versteckteAnzeigenDesStartbildschirmsVerbergenIhreWidgets() {
        inZelle(23, "5");
        p->klicken(main().cmd_ans_aend);
        QVERIFY(p->fenster(start())->isVisible());
        QVERIFY(!p->fenster(main())->isVisible());
        QCOMPARE(p->knopf(start().cmd_start)->text(), QString("Fortsetzen"));
        QVERIFY(p->widget(start().chk_verstecken(0))->isVisible());
        QVERIFY(!p->widget(start().cmd_start)->isVisible());

        auto* spalten = p->knopf(start().chk_verstecken(0));
        auto* einzelfelder = p->knopf(start().chk_verstecken(3));
        p->klicken(start().chk_verstecken(0));
        p->klicken(start().chk_verstecken(3));
        QVERIFY(!spalten->isChecked());
        QVERIFY(!einzelfelder->isChecked());
        QCOMPARE(start().Spalten, toolkit::False);
        QCOMPARE(start().Einzelf, toolkit::False);
        // Checking again follows the box's state.
        p->klicken(start().chk_verstecken(3));
        QVERIFY(einzelfelder->isChecked());
        QCOMPARE(start().Einzelf, toolkit::True);

        p->klicken(start().cmd_ansicht);  // "Zurück"
        p->klicken(start().cmd_start);    // "Fortsetzen"
        QVERIFY(p->fenster(main())->isVisible());
        QVERIFY(!p->fenster(start())->isVisible());
        for (int k = 1; k <= 81; ++k) {
            QVERIFY(p->widget(main().lbl_s(k))->isHidden());
            QVERIFY(p->widget(main().lbl_w(k))->isVisible());
            QVERIFY(p->widget(main().lbl_q(k))->isVisible());
            QVERIFY(p->widget(main().txt_c(k))->isVisible());
            QVERIFY(p->widget(main().lbl_c(k))->isVisible());
        }
        // The game went on unchanged.
        QCOMPARE(p->zeile(main().txt_m(23))->text(), QString("5"));
        QCOMPARE(main().back, 1);
    }

    void einFreiesTextfeldBehaeltDasGetippteImModell() {
        QTemporaryDir ordner;
        QFile datei(ordner.filePath("sudoku_erkl.txt"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("Zeile eins\nZweite Zeile mit \xc3\xa4\n");
        datei.close();
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());

        p->klicken(main().cmd_ans_aend);
        QVERIFY(QTest::qWaitForWindowActive(p->fenster(start())));
        p->klicken(start().cmd_ansicht);  // back to the home state
        p->klicken(start().cmd_erkl);
        QDir::setCurrent(vorher);

        QTextEdit* erklaerung = p->feld(start().txt_Erkl);
        QVERIFY(erklaerung->isVisible());
        QCOMPARE(erklaerung->toPlainText(), QString("Zeile eins\nZweite Zeile mit ä\n"));
        QCOMPARE(p->knopf(start().cmd_erkl)->text(), QString("Zurück"));

        p->klicken(start().txt_Erkl);
        p->taste(Qt::Key_End, Qt::ControlModifier);
        p->tippen("Notiz");
        p->taste(Qt::Key_Return);
        p->tippen("ok");
        QCOMPARE(start().txt_Erkl.text(),
                 std::string("Zeile eins\r\nZweite Zeile mit ä\r\nNotiz\r\nok"));
        p->taste(Qt::Key_Backspace);
        QCOMPARE(start().txt_Erkl.text(),
                 std::string("Zeile eins\r\nZweite Zeile mit ä\r\nNotiz\r\no"));
    }
};

QTEST_MAIN(EingabeTest)
#include "eingabe_test.moc"
