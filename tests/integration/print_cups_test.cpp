// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of the printing integration test: the real screens on
// the real Qt platform, printing to the system's default printer. Run by
// tests/integration/print_cups.sh, which makes a virtual PDF printer the
// default of a private CUPS server, names it in SUDOKU_PRINT_TEST_PRINTER and
// checks the page that arrives. Without that name every test is skipped, so
// that it never prints on a real printer.

#include <QElapsedTimer>
#include <QFileDialog>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "screens/qt/print_target.h"
#include "screens/qt/units.h"
#include "widget_fixture.h"

namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count() const { return count_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count_;
        return false;
    }

  private:
    int count_ = 0;
};

// libcups waits its bound for an answer, and up to a second more.
constexpr qint64 answer_slack_ms = 3000;

}  // namespace

class PrintCupsTest : public ProgramTest {
    Q_OBJECT

  private:
    // Givens 5 and 3 in the top row, fixed; own entries 4 in the centre and
    // 9 in the bottom-right corner. Then the print screen with its header
    // fields filled: the texts the script looks for on the page. The notes
    // have more lines than the field shows at its normal height.
    void gameWithHeaderTexts() {
        intoCell(1, "53");
        p->click(main().cmd_einlesen_vorgabe);
        intoCell(41, "4");
        intoCell(81, "9");
        p->click(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
        intoField(0, "Rätsel aus der Zeitung");
        intoField(1, "Erika Mustermann");
        intoField(2, "Montag Abend");
        intoField(3,
                  "Notiz eins\nNotiz zwei\nNotiz drei\nNotiz vier\nNotiz fünf\nNotiz sechs\n"
                  "Notiz sieben\nNotiz acht\nNotiz neun\nNotiz zehn\nNotiz elf\nNotiz zwölf\n"
                  "Notiz dreizehn");
        QCOMPARE(druck().txt_eing(0).text(), std::string("Rätsel aus der Zeitung"));
        QVERIFY2(p->field(druck().txt_eing(3))->verticalScrollBar()->maximum() > 0,
                 "the notes must not fit the field at its normal height");
    }

  private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("SUDOKU_PRINT_TEST_PRINTER"))
            QSKIP("runs only inside tests/integration/print_cups.sh");
    }
    void init() { startGame(); }
    void cleanup() { p.reset(); }

    // The default printer takes the page: no message, the screen as before.
    void aPageGoesToTheDefaultPrinter() {
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(),
                 qEnvironmentVariable("SUDOKU_PRINT_TEST_PRINTER"));
        gameWithHeaderTexts();
        DialogAnswerer dialogs;
        p->click(druck().cmd_print);
        for (const SeenDialog& d : dialogs.seen()) qWarning() << "dialog:" << d.text;
        QCOMPARE(dialogs.seen().size(), std::size_t(0));
        checkPrintScreenRestored();
    }

    // A printer that refuses the job, or no printer at all: the printer
    // message, then the screen as before.
    void thePrinterFailureIsReported() {
        gameWithHeaderTexts();
        DialogAnswerer dialogs;
        dialogs.button("OK");
        p->click(druck().cmd_print);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].text,
                 QString("Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!"));
        QCOMPARE(dialogs.unexpected(), 0);
        checkPrintScreenRestored();
    }

    // A print server that accepts the connection and never answers: the
    // printer message once the bound is over, and the window paints
    // meanwhile.
    void aSilentServerGivesThePrinterMessageInTime() {
        gameWithHeaderTexts();
        QWidget* window = p->window(druck());
        PaintCounter paints(window);
        QTimer repaint;
        connect(&repaint, &QTimer::timeout, window, [window] { window->update(); });
        repaint.start(100);
        DialogAnswerer dialogs;
        QElapsedTimer clock;
        qint64 untilMessage = 0;
        int paintsUntilMessage = 0;
        dialogs.button("OK", [&] {
            untilMessage = clock.elapsed();
            paintsUntilMessage = paints.count();
            return QString();
        });
        clock.start();
        p->click(druck().cmd_print);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].text,
                 QString("Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!"));
        qInfo("printer message after %lld ms, %d repaints meanwhile", untilMessage,
              paintsUntilMessage);
        QVERIFY2(untilMessage < qtfront::print_server_bound_ms + answer_slack_ms,
                 qPrintable(QString::number(untilMessage)));
        // One repaint a second at the least, where 10 were asked for.
        QVERIFY2(paintsUntilMessage >= untilMessage / 1000,
                 qPrintable(QString::number(paintsUntilMessage)));
        checkPrintScreenRestored();
    }

    // "Als PDF speichern" asks no print server (the script counts its
    // connections): the page arrives at once, on A4.
    void aPdfNeedsNoAnswerFromTheServer() {
        gameWithHeaderTexts();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString file = folder.filePath("seite.pdf");
        QElapsedTimer clock;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->selectFile(file);
            clock.start();
            static_cast<QDialog*>(dialog)->accept();
        });
        p->click(druck().txt_eing(0));
        p->key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(clock.isValid());
        const qint64 untilWritten = clock.elapsed();
        qInfo("PDF written %lld ms after the name was chosen", untilWritten);
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        QVERIFY(content.startsWith("%PDF"));
        QVERIFY2(content.contains("/MediaBox [0 0 595"), "not an A4 page");
        checkPrintScreenRestored();
    }
};

QTEST_MAIN(PrintCupsTest)
#include "print_cups_test.moc"
