// SPDX-License-Identifier: GPL-3.0-or-later
// Modal boxes, printing without a printer, closing windows and the end of
// the program, also from inside a nested handler.

#include <QApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QtTest>
#include <stdexcept>

#include "screens/qt/print_page.h"
#include "screens/toolkit/failure.h"
#include "tests/support/failure_number.h"
#include "widget_fixture.h"

class DialogsTest : public ProgramTest {
    Q_OBJECT

  private:
    // Runs the application's event loop around an action, as main() does,
    // until the program asks it to end; a loop still running after a few
    // seconds is stopped with 99.
    int eventLoop(std::function<void()> action) {
        QTimer::singleShot(0, action);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        return QCoreApplication::exec();
    }

    void everythingEnded() {
        QVERIFY(p->platform.ended());
        QVERIFY(p->program->app.ended());
        for (toolkit::Screen* s : p->program->app.screens()) {
            QVERIFY(!s->loaded());
            QVERIFY(!p->window(*s)->isVisible());
        }
    }

  private slots:
    void init() { p = std::make_unique<RunningProgram>(); }
    void cleanup() { p.reset(); }

    void messagesWithOkYesNoAndIcon() {
        DialogAnswerer dialogs;
        dialogs.button("OK");
        dialogs.button("&Ja");
        dialogs.button("&Nein");
        QCOMPARE(p->platform.messageBox("Zeile 1\r\nZeile 2", 0, ""), int(toolkit::answer_ok));
        QCOMPARE(p->platform.messageBox("Wirklich?", 52, "Rückfrage"), int(toolkit::answer_yes));
        QCOMPARE(p->platform.messageBox("Wirklich?", 4, "Frage"), int(toolkit::answer_no));
        QCOMPARE(dialogs.seen().size(), std::size_t(3));
        const auto& g = dialogs.seen();
        QCOMPARE(g[0].title, QString("Sudoku"));
        QCOMPARE(g[0].text, QString("Zeile 1\nZeile 2"));
        QCOMPARE(g[0].buttons, QStringList{"OK"});
        QCOMPARE(g[0].icon, QMessageBox::NoIcon);
        QCOMPARE(g[1].title, QString("Rückfrage"));
        QCOMPARE(g[1].icon, QMessageBox::Warning);
        QCOMPARE(g[1].buttons, (QStringList{"&Ja", "&Nein"}));
        QCOMPARE(g[2].icon, QMessageBox::NoIcon);
        QCOMPARE(dialogs.unexpected(), 0);
    }

    void escapeAnswersAYesNoQuestionWithNo() {
        QTimer::singleShot(50, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(p->platform.messageBox("Wirklich?", 52, "Rückfrage"), int(toolkit::answer_no));
    }

    void inputBoxWithOkAndCancel() {
        DialogAnswerer dialogs;
        dialogs.input("sudoku1");
        dialogs.cancelNext();
        QCOMPARE(p->platform.inputBox("Geben sie einen Namen ein!", "Hinweis!"),
                 std::string("sudoku1"));
        QCOMPARE(p->platform.inputBox("Geben sie einen Namen ein!", "Hinweis!"), std::string());
        QCOMPARE(dialogs.seen().size(), std::size_t(2));
        QCOMPARE(dialogs.seen()[0].title, QString("Hinweis!"));
        QCOMPARE(dialogs.seen()[0].text, QString("Geben sie einen Namen ein!"));
        QCOMPARE(dialogs.seen()[0].buttons, (QStringList{"OK", "Abbrechen"}));
        QCOMPARE(dialogs.unexpected(), 0);
    }

    void anOpenDialogBlocksTheWindows() {
        p->startGame();
        Qt::WindowModality lock = Qt::NonModal;
        DialogAnswerer dialogs;
        dialogs.button("&Nein", [&] {
            lock = QApplication::activeModalWidget()->windowModality();
            // Input for the screen behind the box, as the window system
            // delivers it, reaches nothing.
            QWindow* window = p->window(main())->windowHandle();
            QWidget* letter = p->widget(main().txt_Titel(1));
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, letter->geometry().center());
            QTest::keyClick(window, Qt::Key_5);
            return QString();
        });
        p->click(main().cmd_exit);
        QCOMPARE(lock, Qt::ApplicationModal);
        QVERIFY(p->widget(main().txt_test)->isHidden());
        QCOMPARE(main().back, 0);
        QCOMPARE(dialogs.unexpected(), 0);
        // Without the box, the same click reaches the title letter.
        QTest::mouseClick(p->window(main())->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          p->widget(main().txt_Titel(1))->geometry().center());
        QVERIFY(p->widget(main().txt_test)->isVisible());
    }

    void withoutAPrinterPrintingReportsFailure482() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        QCOMPARE(failureNumber([&] { p->platform.printScreen(start()); }),
                 int(toolkit::failure_printer));
    }

    void aPageShowsTheWindowFittedAndCentred() {
        // Wider than the page's proportions: fills the width, centred vertically.
        const QRectF wide = qtfront::pageTransform(QSize(700, 600), QSizeF(1400, 2000))
                                .mapRect(QRectF(0, 0, 700, 600));
        QCOMPARE(wide, QRectF(0, 400, 1400, 1200));
        // Taller: fills the height, centred horizontally.
        const QRectF tall = qtfront::pageTransform(QSize(100, 400), QSizeF(1000, 800))
                                .mapRect(QRectF(0, 0, 100, 400));
        QCOMPARE(tall, QRectF(400, 0, 200, 800));

        QTemporaryDir folder;
        const QString file = folder.filePath("seite.pdf");
        {
            QPdfWriter pdf(file);
            QVERIFY(qtfront::printPage(*p->window(start()), pdf));
        }
        QFile result(file);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray content = result.readAll();
        QVERIFY(content.startsWith("%PDF"));
        QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    }

    void thePlatformOutlivesItsFrontEnd() {
        // The windows are gone: dialogs open without a parent, a page
        // cannot be drawn, and nothing reaches the destroyed windows.
        p->frontEnd.reset();
        DialogAnswerer dialogs;
        dialogs.button("OK");
        QCOMPARE(p->platform.messageBox("Hallo", 0, ""), int(toolkit::answer_ok));
        QTemporaryDir folder;
        QVERIFY_THROWS_EXCEPTION(
            std::logic_error,
            p->platform.writePdf(start(), folder.filePath("page.pdf").toStdString(),
                                 [](const std::string&, const std::string&) {
                                     QFAIL("a page without a window was written");
                                 }));
    }

    void theClosingQuestionWithNoKeepsTheWindow() {
        p->startGame();
        DialogAnswerer dialogs;
        dialogs.button("&Nein");
        p->click(main().cmd_exit);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].text, QString("Wollen Sie das Programm wirklich beenden?"));
        QCOMPARE(dialogs.seen()[0].title, QString("Rückfrage"));
        QCOMPARE(dialogs.seen()[0].icon, QMessageBox::Warning);
        QVERIFY(p->window(main())->isVisible());
        QVERIFY(!p->platform.ended());
        QVERIFY(main().loaded());
    }

    void theClosingQuestionWithYesEndsTheProgram() {
        p->startGame();
        DialogAnswerer dialogs;
        dialogs.button("&Ja");
        const int status = eventLoop([this] { p->click(main().cmd_exit); });
        QCOMPARE(status, 0);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        everythingEnded();
    }

    void closingTheMainScreenAsksLikeLeaving() {
        p->startGame();
        DialogAnswerer dialogs;
        dialogs.button("&Nein");
        p->window(main())->close();
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QVERIFY(p->window(main())->isVisible());
        QVERIFY(!p->platform.ended());

        dialogs.button("&Ja");
        const int status = eventLoop([this] { p->window(main())->close(); });
        QCOMPARE(status, 0);
        everythingEnded();
    }

    void closingTheStartScreenEndsBeforeTheGame() {
        const int status = eventLoop([this] { p->window(start())->close(); });
        QCOMPARE(status, 0);
        everythingEnded();
    }

    void endingFromANestedHandlerDestroysNothing() {
        // As on a damaged puzzle file: the exit command runs inside a cell's
        // change handling, nested in the key press, and asks nothing.
        p->startGame();
        toolkit::Element& cell = main().txt_m(30);
        auto previous = cell.onChange;
        cell.onChange = [this, previous] {
            previous();
            main().beenden = toolkit::True;
            main().cmd_exit_Click();
        };
        DialogAnswerer dialogs;
        const int status = eventLoop([this] {
            p->click(main().txt_m(30));
            p->typeText("7");
        });
        QCOMPARE(status, 0);
        QCOMPARE(dialogs.seen().size(), std::size_t(0));
        everythingEnded();
        // The widgets are still there until the program is torn down.
        QCOMPARE(p->line(main().txt_m(30))->text(), QString("7"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
