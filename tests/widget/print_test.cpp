// SPDX-License-Identifier: GPL-3.0-or-later
// The print screen on the real widgets: the grid shows the board with the
// givens grey and bold, follows the board at every opening and marks no
// cell; printing draws the screen without its buttons and with the long
// notes field, reports failures and puts the screen back.

#include <QFocusFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>
#include <algorithm>
#include <stdexcept>

#include "screens/qt/grid_view.h"
#include "screens/qt/print_page.h"
#include "screens/qt/units.h"
#include "screens/toolkit/failure.h"
#include "widget_fixture.h"

using qtfront::pixels;

namespace {

// What a print target saw when the page reached it.
struct PrintRecord {
    int pages = 0;
    QByteArray pdf;
    QString title;
    bool buttonsVisible = true;
    int notesHeight = 0;        // pixels
    bool textSelected = false;  // in the first header field
    QImage window;              // the window at that moment
};

// A print target that records instead of printing, or fails as told.
class RecordingTarget : public qtfront::PrintTarget {
  public:
    enum class Fault { none, printer, other };

    RecordingTarget(PrintRecord& a, RunningProgram& p, Fault f) : a_(a), p_(p), failure_(f) {}

    QPageLayout pageLayout() const override {
        return QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }

    void send(const QString& pdfFile, const QString& title) override {
        frm_sudoku_druck& druck = p_.program->druck;
        a_.buttonsVisible =
            p_.widget(druck.cmd_print)->isVisible() || p_.widget(druck.cmd_zurueck)->isVisible();
        a_.notesHeight = p_.widget(druck.txt_eing(3))->height();
        a_.textSelected = p_.line(druck.txt_eing(0))->hasSelectedText();
        a_.window = p_.window(druck)->grab().toImage();
        if (failure_ == Fault::printer)
            throw toolkit::Failure(toolkit::failure_printer, "Drucker abgeschaltet");
        if (failure_ == Fault::other) throw std::runtime_error("Speicher voll");
        QFile file(pdfFile);
        if (file.open(QIODevice::ReadOnly)) a_.pdf = file.readAll();
        a_.title = title;
        ++a_.pages;
    }

  private:
    PrintRecord& a_;
    RunningProgram& p_;
    Fault failure_;
};

// Pixels of one colour within a rectangle.
int pixelsOfColour(const QImage& image, const QRect& area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) ++n;
    return n;
}

// The ink of a text within a rectangle: how much darker than the
// rectangle's background (its top-left pixel) its pixels are, summed up.
int ink(const QImage& image, const QRect& area) {
    const int background = qGray(image.pixel(area.topLeft()));
    int sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += std::max(0, background - qGray(image.pixel(x, y)));
    return sum;
}

}  // namespace

class PrintTest : public ProgramTest {
    Q_OBJECT

  private:
    QTableView* table() {
        auto* t = qobject_cast<QTableView*>(p->widget(druck().flx_print));
        if (!t) qFatal("flx_print is no table");
        return t;
    }
    QModelIndex cell(int r, int c) { return table()->model()->index(r, c); }

    // Givens 5 (cell 1), 3 (cell 2) and 9 (cell 81), fixed; then own entries
    // 5 (cell 41) and 4 (cell 9); then the print screen.
    void printGame() {
        intoCell(1, "53");
        intoCell(81, "9");
        p->click(main().cmd_einlesen_vorgabe);
        intoCell(41, "5");
        intoCell(9, "4");
        p->click(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
    }

    void setPrintTarget(PrintRecord& a, RecordingTarget::Fault f) {
        p->platform.setPrintTarget(
            [this, &a, f] { return std::make_unique<RecordingTarget>(a, *p, f); });
    }

  private slots:
    void init() { startGame(); }
    void cleanup() { p.reset(); }

    void theTableHasNineByNineCellsWithoutHeaders() {
        printGame();
        QTableView* t = table();
        QCOMPARE(t->model()->rowCount(), 9);
        QCOMPARE(t->model()->columnCount(), 9);
        QVERIFY(t->horizontalHeader()->isHidden());
        QVERIFY(t->verticalHeader()->isHidden());
        const int page = pixels(475, t->logicalDpiX());
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(t->rowHeight(i), page);
            QCOMPARE(t->columnWidth(i), page);
        }
        // All nine rows and columns fit without scrolling.
        QVERIFY(9 * page <= t->viewport()->width());
        QVERIFY(9 * page <= t->viewport()->height());
        QCOMPARE(t->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(t->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(t->showGrid());
        QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(t->selectionMode(), QAbstractItemView::NoSelection);
        const QRect placement(pixels(240, t->logicalDpiX()), pixels(3480, t->logicalDpiX()),
                              pixels(4455, t->logicalDpiX()), pixels(4455, t->logicalDpiX()));
        QCOMPARE(t->geometry(), placement);
    }

    void givensGreyAndBoldOwnDigitsPlain() {
        printGame();
        struct Expected {
            int r, c;
            const char* text;
            bool given;
        };
        for (const Expected& e :
             {Expected{0, 0, "5", true}, Expected{0, 1, "3", true}, Expected{8, 8, "9", true},
              Expected{4, 4, "5", false}, Expected{0, 8, "4", false}, Expected{1, 1, "", false},
              Expected{0, 2, "", false}}) {
            const QModelIndex i = cell(e.r, e.c);
            const QString where = QString("(%1,%2)").arg(e.r).arg(e.c);
            QCOMPARE(i.data(Qt::DisplayRole).toString(), QString(e.text));
            const QFont font = i.data(Qt::FontRole).value<QFont>();
            QVERIFY2(font.bold() == e.given, qPrintable(where));
            QVERIFY2(font.family().startsWith("Z003"), qPrintable(where));
            QCOMPARE(font.pointSizeF(), 9.75);
            const QVariant background = i.data(Qt::BackgroundRole);
            if (e.given)
                QCOMPARE(background.value<QBrush>().color(), QColor(225, 225, 225));
            else
                QVERIFY2(!background.isValid(), qPrintable(where));
            QCOMPARE(i.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
        }
        // Every cell copies its board cell, row by row.
        int filled = 0;
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c) {
                const QString text = cell(r, c).data().toString();
                QCOMPARE(text.toStdString(), main().txt_m(9 * r + c + 1).text());
                if (!text.isEmpty()) ++filled;
            }
        QCOMPARE(filled, 5);
    }

    void theCellAlignmentCodes() {
        using qtfront::cellAlignmentFlags;
        QCOMPARE(cellAlignmentFlags(toolkit::center_center, "5"), Qt::AlignCenter);
        QCOMPARE(cellAlignmentFlags(toolkit::left_top, "5"), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(cellAlignmentFlags(toolkit::left_bottom, "5"), Qt::AlignLeft | Qt::AlignBottom);
        QCOMPARE(cellAlignmentFlags(toolkit::center_top, "5"), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(cellAlignmentFlags(toolkit::right_center, "a"), Qt::AlignRight | Qt::AlignVCenter);
        // The general alignment: numbers right, texts left.
        QCOMPARE(cellAlignmentFlags(toolkit::general, "12"), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(cellAlignmentFlags(toolkit::general, "ab"), Qt::AlignLeft | Qt::AlignVCenter);
    }

    void givensAreVisiblyBolderThanOwnDigits() {
        // The 5 of cell 1 is a given, the 5 of cell 41 an own entry: the same
        // digit in the same face, once bold.
        printGame();
        QTableView* t = table();
        const QImage image = t->viewport()->grab().toImage();
        const int bold = ink(image, t->visualRect(cell(0, 0)).adjusted(1, 1, -2, -2));
        const int plain = ink(image, t->visualRect(cell(4, 4)).adjusted(1, 1, -2, -2));
        QVERIFY2(plain > 0, "the own entry is drawn");
        QVERIFY2(bold * 10 >= plain * 12,
                 qPrintable(QString("bold %1, plain %2").arg(bold).arg(plain)));
        // The grey of the givens, white elsewhere.
        const QPoint corner = t->visualRect(cell(0, 0)).topLeft() + QPoint(3, 3);
        QCOMPARE(image.pixelColor(corner), QColor(225, 225, 225));
        QCOMPARE(image.pixelColor(t->visualRect(cell(4, 4)).topLeft() + QPoint(3, 3)),
                 t->palette().color(QPalette::Base));
    }

    void noCellIsMarkedAsCurrentOrSelected() {
        printGame();
        QTableView* t = table();
        // With the focus, the table as a whole is framed; no cell stands out.
        t->setFocus(Qt::OtherFocusReason);
        const QImage before = t->grab().toImage();
        const QRect target = t->visualRect(cell(0, 0));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, target.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, target.center());
        QTest::keyClick(t, Qt::Key_Right);
        QTest::keyClick(t, Qt::Key_Space);
        QTest::keyClick(t, Qt::Key_7);
        QVERIFY(t->hasFocus());
        QCOMPARE(druck().flx_print.textMatrix(0, 0), std::string("5"));
        QVERIFY(t->selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(!t->indexWidget(cell(0, 0)));
        QCOMPARE(t->grab().toImage(), before);
    }

    void tabLeadsFromTheTableToThePrintButton() {
        printGame();
        table()->setFocus(Qt::TabFocusReason);
        p->key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p->widget(druck().cmd_print));
        p->key(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table()));
    }

    void aLaterOpeningShowsTheBoardOfNow() {
        printGame();
        p->click(druck().txt_eing(0));
        p->typeFreeText("Rätsel aus der Zeitung");
        p->click(druck().cmd_zurueck);
        QVERIFY(QTest::qWaitForWindowActive(p->window(main())));
        intoCell(10, "6");
        intoCell(50, "8");  // row 6, column 5
        p->click(main().cmd_druck);
        QCOMPARE(cell(1, 0).data().toString(), QString("6"));
        QCOMPARE(cell(5, 4).data().toString(), QString("8"));
        QVERIFY(!cell(1, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(cell(0, 0).data(Qt::FontRole).value<QFont>().bold());
        // The table shows it, not only its model.
        QTableView* t = table();
        QVERIFY(ink(t->viewport()->grab().toImage(),
                    t->visualRect(cell(5, 4)).adjusted(1, 1, -2, -2)) > 0);
        QCOMPARE(p->line(druck().txt_eing(0))->text(), QString("Rätsel aus der Zeitung"));
    }

    void printingShowsTheScreenWithoutButtonsWithLongNotesField() {
        printGame();
        p->click(druck().txt_eing(0));
        p->typeFreeText("Nr. 17");
        PrintRecord a;
        setPrintTarget(a, RecordingTarget::Fault::none);
        DialogAnswerer dialogs;
        QWidget* window = p->window(druck());
        const QRect button = p->widget(druck().cmd_print)->geometry();
        p->click(druck().cmd_print);

        QCOMPARE(a.pages, 1);
        QCOMPARE(a.title, QString("Drucken"));
        QVERIFY(!a.buttonsVisible);
        QCOMPARE(a.notesHeight, pixels(3800, window->logicalDpiX()));
        // Where the buttons stood, the page shows no button colour.
        QCOMPARE(pixelsOfColour(a.window, button, QColor(255, 128, 255)), 0);
        QVERIFY(pixelsOfColour(window->grab().toImage(), button, QColor(255, 128, 255)) > 0);
        // One page in the target's format (A5 landscape: 595 x 420 points).
        QVERIFY(a.pdf.startsWith("%PDF"));
        QCOMPARE(a.pdf.count("/Type /Page\n") + a.pdf.count("/Type /Page\r"), 1);
        QVERIFY2(a.pdf.contains("/MediaBox [0 0 595"), a.pdf.left(2000).constData());

        // The hidden buttons passed the focus on to the first header field,
        // which shows its text as typed, not selected.
        QVERIFY(!a.textSelected);
        QCOMPARE(p->program->app.focus(), &druck().txt_eing(0));
        QCOMPARE(QApplication::focusWidget(), p->widget(druck().txt_eing(0)));
        QVERIFY(!p->line(druck().txt_eing(0))->hasSelectedText());

        QCOMPARE(dialogs.seen().size(), std::size_t(0));
        checkPrintScreenRestored();
    }

    void thePaperPageShowsNoFocusAndNoDecoration() {
        printGame();
        p->click(druck().txt_eing(1));
        p->typeFreeText("Erika");
        QLineEdit* field = p->line(druck().txt_eing(1));
        QVERIFY(field->hasFocus());
        druck().txt_eing(1).setDecoration({toolkit::ElementMark::Frame, {}});
        druck().flx_print.setDecoration({toolkit::ElementMark::Hatched, {}});
        // Watches whether the field has the focus while it is drawn, and
        // whether the marks over it and the grid are drawn.
        struct Watcher : QObject {
            int painted = 0, withFocus = 0, marks = 0;
            QObject* field = nullptr;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() != QEvent::Paint) return false;
                if (o != field) {
                    ++marks;
                } else {
                    ++painted;
                    if (static_cast<QWidget*>(o)->hasFocus()) ++withFocus;
                }
                return false;
            }
        } watcher;
        watcher.field = field;
        field->installEventFilter(&watcher);
        const QList<QFocusFrame*> marks = p->window(druck())->findChildren<QFocusFrame*>();
        for (QFocusFrame* mark : marks) mark->installEventFilter(&watcher);
        QTemporaryDir folder;
        {
            QPdfWriter pdf(folder.filePath("seite.pdf"));
            QVERIFY(qtfront::printPage(*p->window(druck()), pdf));
        }
        field->removeEventFilter(&watcher);
        QVERIFY(watcher.painted > 0);
        QCOMPARE(watcher.withFocus, 0);
        QCOMPARE(watcher.marks, 0);
        QVERIFY(std::all_of(marks.begin(), marks.end(), [&](QFocusFrame* mark) {
            return mark->isVisible() == (mark->parentWidget() == field ||
                                         mark->parentWidget() == p->widget(druck().flx_print));
        }));
        // Afterwards the field has the focus again, for the model too.
        QVERIFY(field->hasFocus());
        QCOMPARE(p->program->app.focus(), &druck().txt_eing(1));
        p->typeFreeText(" M.");
        QCOMPARE(druck().txt_eing(1).text(), std::string("Erika M."));
    }

    void aPrinterFailureIsReportedAndTheScreenComesBack() {
        printGame();
        PrintRecord a;
        setPrintTarget(a, RecordingTarget::Fault::printer);
        DialogAnswerer dialogs;
        dialogs.button("OK", [this] {
            // While the message is open the buttons are back already: the
            // print goes on after the failed step.
            return QString::number(p->widget(druck().cmd_print)->isVisible());
        });
        p->click(druck().cmd_print);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].text,
                 QString("Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!"));
        QCOMPARE(dialogs.seen()[0].title, QString("Sudoku"));
        QCOMPARE(dialogs.seen()[0].buttons, QStringList{"OK"});
        QCOMPARE(dialogs.seen()[0].icon, QMessageBox::NoIcon);
        QCOMPARE(dialogs.seen()[0].atOpening, QString("0"));
        QVERIFY(!a.buttonsVisible);
        checkPrintScreenRestored();
    }

    void anotherFailureIsUnknownAndTheScreenComesBack() {
        printGame();
        PrintRecord a;
        setPrintTarget(a, RecordingTarget::Fault::other);
        DialogAnswerer dialogs;
        dialogs.button("OK");
        p->click(druck().cmd_print);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].text, QString("Ein unbekannter Fehler trat auf!"));
        QCOMPARE(dialogs.unexpected(), 0);
        checkPrintScreenRestored();
    }

    void withoutADefaultPrinterThePrinterMessageComes() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        printGame();
        DialogAnswerer dialogs;
        dialogs.button("OK");
        p->click(druck().cmd_print);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].text,
                 QString("Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!"));
        checkPrintScreenRestored();
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
