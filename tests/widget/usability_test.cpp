// SPDX-License-Identifier: GPL-3.0-or-later
// What a user meets in the windows beyond their layout: Qt's own texts in
// German, a focus mark seen on every colour, no stray selection, the
// program's icon on every window, and names for a screen reader.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "screens/program_icon.h"
#include "screens/qt/picture_image.h"
#include "widget_fixture.h"

namespace {

// The contrast ratio of two colours as the accessibility guidelines define
// it: 1 for equal colours, 21 for black on white.
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// No single; locked candidates in column 4 lead to the 3 in row 7, column
// 5, taking the 6 from row 9, column 6. All three cells lie in square 8.
const char* const claiming_position =
    ".4.85.13.5.3714......2..54.4315978.....3..451.5.4.19737.2..5.84.64.7...5..5.4.71.";

}  // namespace

class UsabilityTest : public ProgramTest {
    Q_OBJECT

  private:
    // The widget as it stands in its window, covered where its neighbours
    // overlap it.
    QImage onScreen(const toolkit::Element& e) {
        QWidget* w = p->widget(e);
        return w->window()->grab(w->geometry()).toImage();
    }
    // Whether the middle of each of the four edges stands out from the
    // background colour (3:1, the guidelines' figure for a focus mark).
    static bool framedAgainst(const QImage& image, const QColor& background) {
        const int w = image.width(), h = image.height();
        for (QPoint point :
             {QPoint(1, h / 2), QPoint(w - 3, h / 2), QPoint(w / 2, 1), QPoint(w / 2, h - 3)})
            if (contrast(image.pixelColor(point), background) < 3) return false;
        return true;
    }
    QString accessibleName(const toolkit::Element& e) {
        return QAccessible::queryAccessibleInterface(p->widget(e))->text(QAccessible::Name);
    }
    static QColor colour(const toolkit::Element& e) {
        return QColor(e.backColor()->r, e.backColor()->g, e.backColor()->b);
    }

  private slots:
    void init() { startGame(); }
    void cleanup() { p.reset(); }

    void qtsOwnTextsAreGerman() {
        p->click(main().cmd_druck);
        std::unique_ptr<QMenu> menu(p->line(druck().txt_eing(0))->createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text().section('\t', 0, 0), QString("&Rückgängig"));
    }

    void theFocusedCellIsFramedOnEverySquareColour() {
        for (int square = 0; square < 9; ++square) {
            const int row = 3 * (square / 3) + 2, column = 3 * (square % 3) + 2;
            const toolkit::Element& cell = main().txt_m((row - 1) * 9 + column);
            p->click(cell);
            QVERIFY2(framedAgainst(onScreen(cell), colour(cell)), cell.fullName().c_str());
        }
    }

    void theFocusedCandidatePadIsFramed() {
        const toolkit::Element& pad = main().txt_c(81);
        p->click(pad);
        QVERIFY(framedAgainst(onScreen(pad), colour(pad)));
    }

    void thePrintGridIsFramedWhenFocused() {
        p->click(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
        p->widget(druck().flx_print)->setFocus(Qt::TabFocusReason);
        QVERIFY(framedAgainst(onScreen(druck().flx_print), QColor(Qt::white)));
    }

    void aCellWithoutTheFocusLooksAsBefore() {
        const toolkit::Element& cell = main().txt_m(41);
        const QImage before = onScreen(cell);
        p->click(cell);
        p->click(main().txt_m(44));  // no neighbour: neighbours overlap by a pixel
        QCOMPARE(onScreen(cell), before);
    }

    // Each mark style changes the cell's picture visibly (3:1 against its
    // colour) on every square colour, differs from every other style, keeps
    // clear of the focus frame's edge, and goes without a trace.
    void everyDecorationStandsOutOnEverySquareColourAndGoesAgain() {
        using toolkit::ElementMark;
        const ElementMark marks[] = {ElementMark::Frame,   ElementMark::Dashed,
                                     ElementMark::Dotted,  ElementMark::Hatched,
                                     ElementMark::Corners, ElementMark::Underline};
        main().setFocus(main().txt_c(1));
        for (int square = 0; square < 9; ++square) {
            const int row = 3 * (square / 3) + 2, column = 3 * (square % 3) + 2;
            toolkit::Element& cell = main().txt_m((row - 1) * 9 + column);
            const QImage before = onScreen(cell);
            std::vector<QImage> styles;
            for (ElementMark mark : marks) {
                cell.setDecoration({mark, {}});
                const QImage after = onScreen(cell);
                int standingOut = 0;
                for (int y = 0; y < after.height(); ++y)
                    for (int x = 0; x < after.width(); ++x)
                        if (after.pixel(x, y) != before.pixel(x, y) &&
                            contrast(after.pixelColor(x, y), colour(cell)) >= 3)
                            ++standingOut;
                const std::string where = cell.fullName() + " " + std::to_string(int(mark));
                QVERIFY2(standingOut >= 12, where.c_str());
                QVERIFY2(after.copy(0, 0, after.width(), 2) == before.copy(0, 0, before.width(), 2),
                         where.c_str());
                QVERIFY2(std::find(styles.begin(), styles.end(), after) == styles.end(),
                         where.c_str());
                styles.push_back(after);
            }
            cell.setDecoration({});
            QCOMPARE(onScreen(cell), before);
        }
    }

    // While a hint's message is open its target, a cell that loses a
    // candidate and a cell of its pattern, all of one square colour, each
    // look different, and different from before.
    void aHintMarksItsTargetItsLosingAndItsPatternCellsApart() {
        QGuiApplication::clipboard()->setText(claiming_position);
        p->click(main().txt_m(1));
        p->key(Qt::Key_V, Qt::ControlModifier);
        const toolkit::Element* cells[] = {&main().txt_m(59), &main().txt_m(78), &main().txt_m(58)};
        // Inside the cell: neighbours overlap its edge by a pixel.
        const auto inside = [&](const toolkit::Element& cell) {
            const QImage image = onScreen(cell);
            return image.copy(image.rect().adjusted(2, 2, -2, -2));
        };
        std::vector<QImage> before, during;
        for (const toolkit::Element* cell : cells) before.push_back(inside(*cell));
        // Alike before: what tells them apart then is the marks.
        QCOMPARE(before[1], before[0]);
        QCOMPARE(before[2], before[0]);
        DialogAnswerer dialogs;
        dialogs.button("OK", [&] {
            for (const toolkit::Element* cell : cells) during.push_back(inside(*cell));
            return QString();
        });
        p->key(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(during.size(), std::size_t(3));
        QVERIFY(during[0] != before[0] && during[1] != before[0] && during[2] != before[0]);
        QVERIFY(during[0] != during[1] && during[0] != during[2] && during[1] != during[2]);
    }

    void aCandidatePadMarksAndStrikesSingleDigits() {
        toolkit::Element& pad = main().txt_c(41);
        const QImage before = onScreen(pad);
        std::vector<QImage> seen{before};
        for (toolkit::DigitMark mark : {toolkit::DigitMark::Marked, toolkit::DigitMark::Struck}) {
            toolkit::Decoration decoration;
            decoration.digits[5] = mark;
            pad.setDecoration(decoration);
            const QImage after = onScreen(pad);
            QVERIFY(std::find(seen.begin(), seen.end(), after) == seen.end());
            // Around the 5 in the middle of the pad, not at its corners.
            QCOMPARE(after.copy(0, 0, 12, 12), before.copy(0, 0, 12, 12));
            seen.push_back(after);
        }
        pad.setDecoration({});
        QCOMPARE(onScreen(pad), before);
    }

    void aDoubleClickSelectsNoDigitOfAFilledCell() {
        intoCell(23, "5");
        QLineEdit* cell = p->line(main().txt_m(23));
        QTest::mouseDClick(cell, Qt::LeftButton);
        QVERIFY(!cell->hasSelectedText());
    }

    void tabOntoATitleLetterSelectsNothing() {
        p->widget(main().txt_c(81))->setFocus(Qt::OtherFocusReason);
        p->key(Qt::Key_Tab);
        QLineEdit* letter = p->line(main().txt_Titel(0));
        QVERIFY(letter->hasFocus());
        QVERIFY(!letter->hasSelectedText());
    }

    void everyWindowHasTheProgramsIcon() {
        const QImage icon = qtfront::pictureIcon(program_icon::picture()).pixmap(16).toImage();
        for (const toolkit::Screen* screen : p->program->app.screens())
            QCOMPARE(p->window(*screen)->windowIcon().pixmap(16).toImage(), icon);
    }

    void aBoardCellTellsItsPlaceAndItsDigit() {
        QAccessibleInterface* cell =
            QAccessible::queryAccessibleInterface(p->widget(main().txt_m(23)));
        QCOMPARE(cell->text(QAccessible::Name), QString("Zeile 3, Spalte 5"));
        QCOMPARE(cell->text(QAccessible::Value), QString("leer"));
        intoCell(23, "5");
        QCOMPARE(cell->text(QAccessible::Value), QString("5"));
    }

    void aCandidatePadTellsItsCell() {
        QCOMPARE(accessibleName(main().txt_c(81)), QString("Kandidaten Zeile 9, Spalte 9"));
    }

    void everyCheckDisplayLabelHasANameOfItsOwn() {
        QSet<QString> names;
        for (toolkit::ElementArray* display :
             {&main().lbl_c, &main().lbl_w, &main().lbl_s, &main().lbl_q})
            for (int k = 1; k <= 81; ++k) names.insert(accessibleName((*display)(k)));
        for (int i : {1, 2, 4, 5}) names.insert(accessibleName(main().lbl_erkl(i)));
        names.remove(QString());
        QCOMPARE(names.size(), 4 * 81 + 4);
    }

    void aCheckDisplayLabelTellsWhatItCountsAndShows() {
        // The square display is not in cell order: slot 10 is digit 1 of square 2.
        QCOMPARE(accessibleName(main().lbl_q(10)), QString("Offene Ziffer 1 im Quadrat 2"));
        QAccessibleInterface* slot =
            QAccessible::queryAccessibleInterface(p->widget(main().lbl_w(23)));
        QCOMPARE(slot->text(QAccessible::Value), QString("5"));
        intoCell(23, "5");  // row 3: its 5 is no longer open
        QCOMPARE(slot->text(QAccessible::Value), QString("leer"));
    }

    void aWindowTellsItsScreensPurpose() {
        p->click(main().cmd_druck);
        const QStringList expected{"Sudoku – Start", "Sudoku – Spielfeld", "Sudoku – Drucken"};
        QStringList names;
        for (const toolkit::Screen* screen :
             std::initializer_list<const toolkit::Screen*>{&start(), &main(), &druck()})
            names << QAccessible::queryAccessibleInterface(p->window(*screen))
                         ->text(QAccessible::Name);
        QCOMPARE(names, expected);
        QCOMPARE(p->window(main())->windowTitle(), QString("Form1"));
    }
};

QTEST_MAIN(UsabilityTest)
#include "usability_test.moc"
