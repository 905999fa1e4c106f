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

#include "widget_fixture.h"

class InputTest : public ProgramTest {
    Q_OBJECT

  private:
  private slots:
    void init() { startGame(); }
    void cleanup() { p.reset(); }

    void aTypedDigitStaysLocksTheCellAndTheFocusMoves() {
        intoCell(23, "5");
        QLineEdit* cell = p->line(main().txt_m(23));
        QCOMPARE(cell->text(), QString("5"));
        QVERIFY(cell->isReadOnly());
        QVERIFY(main().txt_m(23).locked());
        QCOMPARE(main().back, 1);
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(24)));
        QCOMPARE(p->program->app.focus(), &main().txt_m(24));
        QVERIFY(p->button(main().cmd_back)->isEnabled());
        QCOMPARE(p->button(main().cmd_einlesen_vorgabe)->text(), QString("Vorgabe beenden"));
    }

    void aDigitSequenceFillsTheRowLeftToRight() {
        intoCell(1, "123 5");
        const char* expected[] = {"1", "2", "3", "", "5"};
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(p->line(main().txt_m(k))->text(), QString(expected[k - 1]));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(6)));
    }

    void aRefusedDigitShowsTheMessageAndTheCellStaysEmpty() {
        intoCell(19, "5");  // row 3, square 1
        DialogAnswerer dialogs;
        QLineEdit* cell = p->line(main().txt_m(23));
        dialogs.button("OK", [cell] { return cell->text(); });
        intoCell(23, "5");  // row 3, square 2: the 5 stands in the row
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        const SeenDialog& message = dialogs.seen()[0];
        QCOMPARE(message.text,
                 QString("Die Zahl  5 ist in der waagrechten Reihe schon vorhanden!"));
        QCOMPARE(message.title, QString("Sudoku"));
        QCOMPARE(message.icon, QMessageBox::NoIcon);
        QCOMPARE(message.buttons, QStringList{"OK"});
        QCOMPARE(message.atOpening, QString("!"));  // the cell showed "!" meanwhile
        QCOMPARE(cell->text(), QString());
        QVERIFY(!cell->isReadOnly());
        QCOMPARE(main().back, 1);
        QCOMPARE(dialogs.unexpected(), 0);
    }

    void aDigitInRowAndSquareNamesBoth() {
        intoCell(1, "5");
        DialogAnswerer dialogs;
        dialogs.button("OK");
        intoCell(3, "5");
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(
            dialogs.seen()[0].text,
            QString("Die Zahl  5 ist in der waagrechten Reihe und im Quadrat schon vorhanden!"));
    }

    void lettersAndNullReachNoCell() {
        intoCell(1, "a0x !");
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(p->line(main().txt_m(k))->text(), QString());
            QCOMPARE(main().txt_m(k).text(), std::string());
        }
        QCOMPARE(main().back, 0);
        // Each key still moved the focus on by one cell.
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(6)));
    }

    void pasteDragAndUndoChangeNoCell() {
        // Ctrl+V and Shift+Insert read the clipboard as a whole puzzle, which
        // this text is not; the cell itself takes nothing.
        QGuiApplication::clipboard()->setText("0a7");
        DialogAnswerer dialogs;
        dialogs.button("OK");
        dialogs.button("OK");
        p->click(main().txt_m(10));
        QLineEdit* cell = p->line(main().txt_m(10));
        p->key(Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_Insert, Qt::ShiftModifier);
        QVERIFY(dialogs.allAnswered());
        p->window(main())->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p->window(main())));
        QCOMPARE(cell->text(), QString());
        // Also the widget's own edit functions, called directly, are undone at once.
        cell->paste();
        QCOMPARE(cell->text(), QString());
        cell->insert("0");
        QCOMPARE(cell->text(), QString());
        QCOMPARE(main().txt_m(10).text(), std::string());
        QVERIFY(!cell->acceptDrops());
        // The program's own menu, not the widget's edit menu.
        QCOMPARE(cell->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(main().back, 0);

        // Delete and cut do not take an accepted digit out of its cell.
        intoCell(10, "7");
        p->click(main().txt_m(10));
        p->key(Qt::Key_Delete);
        p->click(main().txt_m(10));
        p->key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(cell->text(), QString("7"));
        QCOMPARE(main().txt_m(10).text(), std::string("7"));
        QCOMPARE(main().back, 1);
        // Ctrl+Z is the program's "1 Schritt zurück", not the widget's undo:
        // the move is taken back in the model, and the cell shows it.
        p->click(main().txt_m(10));
        p->key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(main().back, 0);
        QCOMPARE(cell->text(), QString());
    }

    void aLockedCellStaysUnchangedAndTheFocusMovesOn() {
        intoCell(40, "4");
        intoCell(40, "6");
        QCOMPARE(p->line(main().txt_m(40))->text(), QString("4"));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(41)));
        QCOMPARE(main().back, 1);
    }

    void backspaceAndEnterOnlyMoveOn() {
        p->click(main().txt_m(5));
        p->key(Qt::Key_Backspace);
        p->key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(7)));
        QCOMPARE(main().txt_m(5).text(), std::string());
        QCOMPARE(main().txt_m(6).text(), std::string());
    }

    void theFocusStaysInTheLastCell() {
        intoCell(81, "9");
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(81)));
        QCOMPARE(p->line(main().txt_m(81))->text(), QString("9"));
    }

    void theCheckDisplaysFollowTheMove() {
        intoCell(23, "5");  // row 3, column 5, square 2
        QCOMPARE(p->caption(main().lbl_w(2 * 9 + 5))->text(), QString());
        QCOMPARE(p->caption(main().lbl_w(2 * 9 + 4))->text(), QString("4"));
        QCOMPARE(p->caption(main().lbl_s(4 * 9 + 5))->text(), QString());
        QCOMPARE(p->caption(main().lbl_q(1 * 9 + 5))->text(), QString());
        QCOMPARE(p->caption(main().lbl_q(0 * 9 + 5))->text(), QString("5"));
        QCOMPARE(p->field(main().txt_c(23))->toPlainText(), QString());
        // Cell 24 shares the row: its pad has lost the 5, shape kept.
        QCOMPARE(p->field(main().txt_c(24))->toPlainText(), QString("1 2 3\n4   6\n7 8 9"));
        QCOMPARE(p->field(main().txt_c(30))->toPlainText(), QString("1 2 3\n4 5 6\n7 8 9"));
        QCOMPARE(p->caption(main().lbl_c(23))->text(), QString("5"));
        QCOMPARE(p->caption(main().lbl_erkl(4))->text(), QString("1"));

        intoCell(41, "3");
        QCOMPARE(p->caption(main().lbl_c(23))->text(), QString());
        QCOMPARE(p->caption(main().lbl_c(41))->text(), QString("3"));
        QCOMPARE(p->caption(main().lbl_erkl(4))->text(), QString("2"));

        // Undo brings the displays back.
        p->click(main().cmd_back);
        QCOMPARE(p->line(main().txt_m(41))->text(), QString());
        QVERIFY(!p->line(main().txt_m(41))->isReadOnly());
        QCOMPARE(p->caption(main().lbl_c(23))->text(), QString("5"));
        QCOMPARE(p->field(main().txt_c(41))->toPlainText(), QString("1 2 3\n4   6\n7 8 9"));
    }

    void aClickOnTheLastEntryDisplaySetsAMark() {
        intoCell(40, "5");
        p->click(main().lbl_c(40));
        QCOMPARE(p->caption(main().lbl_c(40))->text(), QString("a"));
        QCOMPARE(main().markierung(40), std::string("a"));
    }

    void aClickOnTheTitleLettersReachesTheModel() {
        intoCell(1, "5");
        QTextEdit* list = p->field(main().txt_test);
        p->click(main().txt_Titel(1));
        QVERIFY(list->isVisible());
        QVERIFY(list->toPlainText().startsWith("1 ) .....\n1 2 3\n4 5 6\n7 8 9"));
        p->click(main().txt_Titel(0));
        QVERIFY(!list->isVisible());
    }

    void modelFocusMovesKeyboardFocusAndBack() {
        main().setFocus(main().txt_m(50));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(50)));
        p->click(main().txt_m(12));
        QCOMPARE(p->program->app.focus(), &main().txt_m(12));
        p->key(Qt::Key_Tab);
        QCOMPARE(p->program->app.focus(), &main().txt_m(13));
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(13)));
        p->click(main().txt_m(81));
        p->key(Qt::Key_Tab);
        QCOMPARE(p->program->app.focus(), &main().txt_c(1));
        p->key(Qt::Key_Backtab);
        QCOMPARE(p->program->app.focus(), &main().txt_m(81));
    }

    void theTabOrderIsTheModels() {
        for (toolkit::Screen* screen : p->program->app.screens()) {
            if (!screen->loaded()) continue;
            std::vector<toolkit::Element*> sequence = screen->tabOrder();
            for (std::size_t i = 0; i + 1 < sequence.size(); ++i) {
                // Tab skips the widgets that never take the focus.
                QWidget* next = p->widget(*sequence[i])->nextInFocusChain();
                while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
                QCOMPARE(next, p->widget(*sequence[i + 1]));
            }
        }
    }

    void hiddenDisplaysOfTheStartScreenHideTheirWidgets() {
        intoCell(23, "5");
        p->click(main().cmd_ans_aend);
        QVERIFY(p->window(start())->isVisible());
        QVERIFY(!p->window(main())->isVisible());
        QCOMPARE(p->button(start().cmd_start)->text(), QString("Fortsetzen"));
        QVERIFY(p->widget(start().chk_verstecken(0))->isVisible());
        QVERIFY(!p->widget(start().cmd_start)->isVisible());

        auto* columns = p->button(start().chk_verstecken(0));
        auto* singleCells = p->button(start().chk_verstecken(3));
        p->click(start().chk_verstecken(0));
        p->click(start().chk_verstecken(3));
        QVERIFY(!columns->isChecked());
        QVERIFY(!singleCells->isChecked());
        QCOMPARE(start().Spalten, toolkit::False);
        QCOMPARE(start().Einzelf, toolkit::False);
        // Checking again follows the box's state.
        p->click(start().chk_verstecken(3));
        QVERIFY(singleCells->isChecked());
        QCOMPARE(start().Einzelf, toolkit::True);

        p->click(start().cmd_ansicht);  // "Zurück"
        p->click(start().cmd_start);    // "Fortsetzen"
        QVERIFY(p->window(main())->isVisible());
        QVERIFY(!p->window(start())->isVisible());
        for (int k = 1; k <= 81; ++k) {
            QVERIFY(p->widget(main().lbl_s(k))->isHidden());
            QVERIFY(p->widget(main().lbl_w(k))->isVisible());
            QVERIFY(p->widget(main().lbl_q(k))->isVisible());
            QVERIFY(p->widget(main().txt_c(k))->isVisible());
            QVERIFY(p->widget(main().lbl_c(k))->isVisible());
        }
        // The game went on unchanged.
        QCOMPARE(p->line(main().txt_m(23))->text(), QString("5"));
        QCOMPARE(main().back, 1);
    }

    void aFreeTextFieldKeepsWhatWasTypedInTheModel() {
        p->click(main().cmd_ans_aend);
        QVERIFY(QTest::qWaitForWindowActive(p->window(start())));
        p->click(start().cmd_ansicht);  // back to the home state
        clickExplanation("Zeile eins\nZweite Zeile mit \xc3\xa4\n");

        QTextEdit* explanation = p->field(start().txt_Erkl);
        QVERIFY(explanation->isVisible());
        QCOMPARE(explanation->toPlainText(), QString("Zeile eins\nZweite Zeile mit ä\n"));
        QCOMPARE(p->button(start().cmd_erkl)->text(), QString("Zurück"));

        p->click(start().txt_Erkl);
        p->key(Qt::Key_End, Qt::ControlModifier);
        p->typeText("Notiz");
        p->key(Qt::Key_Return);
        p->typeText("ok");
        QCOMPARE(start().txt_Erkl.text(),
                 std::string("Zeile eins\r\nZweite Zeile mit ä\r\nNotiz\r\nok"));
        p->key(Qt::Key_Backspace);
        QCOMPARE(start().txt_Erkl.text(),
                 std::string("Zeile eins\r\nZweite Zeile mit ä\r\nNotiz\r\no"));
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
