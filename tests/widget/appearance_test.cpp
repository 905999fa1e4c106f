// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets show the element model as it stands: places and sizes in
// pixels by the logical DPI, texts with their line breaks, fonts with their
// substitutes, colours, alignment and the windows' titles, sizes and icon.

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include "screens/qt/program_style.h"
#include "screens/qt/units.h"
#include "widget_fixture.h"

using qtfront::pixels;

class AppearanceTest : public ProgramTest {
    Q_OBJECT

  private:
    static QColor colour(int r, int g, int b) { return QColor(r, g, b); }

    void checkGeometry(const toolkit::Element& e) {
        QWidget* w = p->widget(e);
        const double dpi = w->logicalDpiX();
        QCOMPARE(w->geometry(), QRect(pixels(e.left(), dpi), pixels(e.top(), dpi),
                                      pixels(e.width(), dpi), pixels(e.height(), dpi)));
    }

  private slots:
    void init() { p = std::make_unique<RunningProgram>(); }
    void cleanup() { p.reset(); }

    void twipsConvertByTheLogicalResolution() {
        QCOMPARE(pixels(15, 96), 1);
        QCOMPARE(pixels(375, 96), 25);
        QCOMPARE(pixels(10545, 96), 703);
        QCOMPARE(pixels(1440, 120), 120);
        QCOMPARE(pixels(360, 144), 36);
    }

    // The program's style is Fusion and hands out one icon per standard
    // picture: a new icon each time would leave new scaled copies in Qt's
    // pixmap cache at every opening of a file dialog.
    void theStyleKeepsItsStandardIcons() {
        std::unique_ptr<QStyle> style(qtfront::programStyle());
        QCOMPARE(qobject_cast<QProxyStyle*>(style.get())->baseStyle()->name(), QString("fusion"));
        const QIcon back = style->standardIcon(QStyle::SP_ArrowBack);
        QVERIFY(!back.isNull());
        QCOMPARE(style->standardIcon(QStyle::SP_ArrowBack).cacheKey(), back.cacheKey());
        QVERIFY(style->standardIcon(QStyle::SP_DirIcon).cacheKey() != back.cacheKey());
    }

    void theModelsLineBreaksBecomeLines() {
        QCOMPARE(qtfront::shownCaption("1 2 3\r\n4 5 6\r\n7 8 9"), QString("1 2 3\n4 5 6\n7 8 9"));
        QCOMPARE(qtfront::modelText("a\nb\n"), std::string("a\r\nb\r\n"));
        QCOMPARE(qtfront::shownCaption("Gr\xc3\xbc\xc3\x9f"
                                       "e"),
                 QString("Grüße"));
    }

    void theStartScreen() {
        QWidget* window = p->window(start());
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Form1"));
        const double dpi = window->logicalDpiX();
        QCOMPARE(window->size(), QSize(pixels(10545, dpi), pixels(8865, dpi)));
        QCOMPARE(window->palette().color(QPalette::Window), colour(192, 255, 255));

        QLabel* title = p->caption(start().lbl_Titel);
        checkGeometry(start().lbl_Titel);
        QCOMPARE(title->text(), QString("Sudoku"));
        QVERIFY(title->alignment() & Qt::AlignHCenter);
        QCOMPARE(title->palette().color(QPalette::WindowText), colour(192, 0, 192));
        QVERIFY(!title->autoFillBackground());  // no background of its own
        QCOMPARE(title->font().pointSizeF(), 72.0);
        QVERIFY(title->font().bold());
        QVERIFY(title->font().italic());

        for (const toolkit::Element* e :
             {&start().cmd_start, &start().cmd_erkl, &start().cmd_ansicht}) {
            checkGeometry(*e);
            QCOMPARE(p->button(*e)->palette().color(QPalette::Button), colour(255, 128, 255));
            QVERIFY(p->widget(*e)->isVisible());
        }
        // Options panel and explanation are hidden at the start.
        QVERIFY(p->widget(start().lbl_Kontr_Erkl)->isHidden());
        for (int i = 0; i <= 4; ++i) {
            QVERIFY(p->widget(start().chk_verstecken(i))->isHidden());
            QVERIFY(p->button(start().chk_verstecken(i))->isChecked());
        }
        QVERIFY(p->widget(start().txt_Erkl)->isHidden());
        QWidget* box = p->widget(start().chk_verstecken(2));
        QCOMPARE(box->palette().color(box->backgroundRole()), colour(192, 255, 255));
        QCOMPARE(box->palette().color(QPalette::WindowText), colour(192, 0, 192));
        QVERIFY(box->autoFillBackground());
    }

    void theMainScreen() {
        p->startGame();
        QWidget* window = p->window(main());
        QCOMPARE(window->windowTitle(), QString("Form1"));
        const double dpi = window->logicalDpiX();
        QCOMPARE(window->size(), QSize(pixels(11220, dpi), pixels(8895, dpi)));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->windowIcon().pixmap(16, 16).size(), QSize(16, 16));

        for (int k : {1, 9, 23, 73, 81}) {
            for (const toolkit::ElementArray* field : {&main().txt_m, &main().txt_c, &main().lbl_c,
                                                       &main().lbl_w, &main().lbl_s, &main().lbl_q})
                checkGeometry((*field)(k));
        }
        // Cell 81 in square 9, cell 1 in square 1.
        QCOMPARE(p->widget(main().txt_m(81))->palette().color(QPalette::Base),
                 colour(128, 128, 255));
        QCOMPARE(p->widget(main().txt_m(1))->palette().color(QPalette::Base),
                 colour(255, 192, 192));
        QCOMPARE(p->line(main().txt_m(1))->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QVERIFY(p->line(main().txt_m(1))->font().bold());
        QCOMPARE(p->widget(main().lbl_w(40))->palette().color(QPalette::Window),
                 colour(255, 255, 0));

        // The candidate pads: three centred lines, no scroll bar.
        QTextEdit* pad = p->field(main().txt_c(1));
        QCOMPARE(pad->toPlainText(), QString("1 2 3\n4 5 6\n7 8 9"));
        QCOMPARE(pad->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(pad->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(pad->isReadOnly());
        QCOMPARE(p->field(main().txt_test)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        QCOMPARE(p->caption(main().lbl_erkl(0))->text(), QString("Letzte mark.\n Ziffer"));
        QCOMPARE(p->caption(main().lbl_erkl(3))->text(), QString("Eingegebene\n Ziffern"));
        QCOMPARE(p->caption(main().lbl_s(12))->text(), QString("3"));

        // Title letters: colours as designed, locked.
        QCOMPARE(p->line(main().txt_Titel(2))->text(), QString("D"));
        QCOMPARE(p->line(main().txt_Titel(2))->palette().color(QPalette::Text), colour(192, 0, 0));
        QVERIFY(p->line(main().txt_Titel(2))->isReadOnly());

        // The spare elements 0 stay hidden.
        for (const toolkit::ElementArray* field : {&main().txt_m, &main().txt_c, &main().lbl_c,
                                                   &main().lbl_w, &main().lbl_s, &main().lbl_q})
            QVERIFY(p->widget((*field)(0))->isHidden());
        QVERIFY(p->widget(main().txt_test)->isHidden());

        QPushButton* leave = qobject_cast<QPushButton*>(p->button(main().cmd_exit));
        checkGeometry(main().cmd_exit);
        QCOMPARE(leave->text(), QString("Sudoku verlassen"));
    }

    void exactlyOneWindowIsVisible() {
        QVERIFY(p->window(start())->isVisible());
        QVERIFY(!p->window(main())->isVisible());
        QVERIFY(!p->window(p->program->druck)->isVisible());
        p->startGame();
        QVERIFY(!p->window(start())->isVisible());
        QVERIFY(p->window(main())->isVisible());
        p->click(main().cmd_druck);
        QVERIFY(!p->window(main())->isVisible());
        QVERIFY(p->window(p->program->druck)->isVisible());
        QCOMPARE(p->window(p->program->druck)->windowTitle(), QString("Drucken"));
    }

    void theFontsHaveFreeSubstitutes() {
        QCOMPARE(qtfront::fontFamily("Lucida Handwriting"), QString("Z003"));
        QCOMPARE(qtfront::fontFamily("MS Sans Serif"), QString("Liberation Sans"));
        // The substitutes are installed (scripts/install-deps.sh) and used.
        // (Qt adds the foundry when two packages ship a family of that name.)
        QVERIFY(QFontInfo(p->widget(start().lbl_Titel)->font()).family().startsWith("Z003"));
        p->startGame();
        QVERIFY(
            QFontInfo(p->widget(main().txt_m(5))->font()).family().startsWith("Liberation Sans"));
    }

    void textsFitTheirElements() {
        // The captions of the buttons, check boxes and the title fit their
        // widgets with the substitute fonts.
        std::vector<const toolkit::Element*> elements = {&start().lbl_Titel, &start().cmd_start,
                                                         &start().cmd_erkl, &start().cmd_ansicht};
        for (int i = 0; i <= 4; ++i) elements.push_back(&start().chk_verstecken(i));
        p->startGame();
        for (const toolkit::Element* e :
             {&main().cmd_einlesen_vorgabe, &main().cmd_back, &main().cmd_ans_aend,
              &main().cmd_save, &main().cmd_neustart, &main().cmd_druck, &main().cmd_exit})
            elements.push_back(e);
        for (const toolkit::Element* e : elements) {
            QWidget* w = p->widget(*e);
            const QFontMetrics m(w->font());
            const QString text = qtfront::shownCaption(e->text());
            const int needed =
                m.horizontalAdvance(text) + (e->kind() == toolkit::ElementKind::CheckBox ? 20 : 4);
            QVERIFY2(needed <= w->width(), qPrintable(QString::fromStdString(e->fullName())));
            QVERIFY2(m.height() <= w->height(), qPrintable(QString::fromStdString(e->fullName())));
        }
        // "Vorgabe beenden", the longer caption of the read button, fits too.
        QWidget* readFile = p->widget(main().cmd_einlesen_vorgabe);
        QVERIFY(QFontMetrics(readFile->font()).horizontalAdvance("Vorgabe beenden") + 4 <=
                readFile->width());
    }

    void theExplanationStaysInTheWindow() {
        // The explanation box is wider than the window; it is cut at the
        // window's edge so that its scroll bar stays in sight.
        start().txt_Erkl.move(10, 10, 11000, 8000);
        start().txt_Erkl.setVisible(true);
        QWidget* field = p->widget(start().txt_Erkl);
        QCOMPARE(field->geometry().right(), p->window(start())->width() - 1);
        QCOMPARE(field->geometry().bottom(),
                 field->geometry().top() + pixels(8000, field->logicalDpiX()) - 1);
    }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
