// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets show the element model as it stands: places and sizes in
// pixels by the logical DPI, texts with their line breaks, fonts with their
// substitutes, colours, alignment and the windows' titles, sizes and icon.

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include "screens/qt/umrechnung.h"
#include "testumgebung.h"

using qtfront::pixels;

class DarstellungTest : public ProgrammTest {
    Q_OBJECT

  private:
    static QColor farbe(int r, int g, int b) { return QColor(r, g, b); }

    void pruefeLage(const toolkit::Element& e) {
        QWidget* w = p->widget(e);
        const double dpi = w->logicalDpiX();
        QCOMPARE(w->geometry(), QRect(pixels(e.left(), dpi), pixels(e.top(), dpi),
                                      pixels(e.width(), dpi), pixels(e.height(), dpi)));
    }

  private slots:
    void init() { p = std::make_unique<LaufendesProgramm>(); }
    void cleanup() { p.reset(); }

    void twipsWerdenNachDerLogischenAufloesungUmgerechnet() {
        QCOMPARE(pixels(15, 96), 1);
        QCOMPARE(pixels(375, 96), 25);
        QCOMPARE(pixels(10545, 96), 703);
        QCOMPARE(pixels(1440, 120), 120);
        QCOMPARE(pixels(360, 144), 36);
    }

    void zeilenumbruecheDesModellsWerdenZeilen() {
        QCOMPARE(qtfront::anzeigeText("1 2 3\r\n4 5 6\r\n7 8 9"), QString("1 2 3\n4 5 6\n7 8 9"));
        QCOMPARE(qtfront::modellText("a\nb\n"), std::string("a\r\nb\r\n"));
        QCOMPARE(qtfront::anzeigeText("Gr\xc3\xbc\xc3\x9f"
                                      "e"),
                 QString("Grüße"));
    }

    void derStartbildschirm() {
        QWidget* fenster = p->fenster(start());
        QVERIFY(fenster->isVisible());
        QCOMPARE(fenster->windowTitle(), QString("Form1"));
        const double dpi = fenster->logicalDpiX();
        QCOMPARE(fenster->size(), QSize(pixels(10545, dpi), pixels(8865, dpi)));
        QCOMPARE(fenster->palette().color(QPalette::Window), farbe(192, 255, 255));

        QLabel* titel = p->beschriftung(start().lbl_Titel);
        pruefeLage(start().lbl_Titel);
        QCOMPARE(titel->text(), QString("Sudoku"));
        QVERIFY(titel->alignment() & Qt::AlignHCenter);
        QCOMPARE(titel->palette().color(QPalette::WindowText), farbe(192, 0, 192));
        QVERIFY(!titel->autoFillBackground());  // no background of its own
        QCOMPARE(titel->font().pointSizeF(), 72.0);
        QVERIFY(titel->font().bold());
        QVERIFY(titel->font().italic());

        for (const toolkit::Element* e :
             {&start().cmd_start, &start().cmd_erkl, &start().cmd_ansicht}) {
            pruefeLage(*e);
            QCOMPARE(p->knopf(*e)->palette().color(QPalette::Button), farbe(255, 128, 255));
            QVERIFY(p->widget(*e)->isVisible());
        }
        // Options panel and explanation are hidden at the start.
        QVERIFY(p->widget(start().lbl_Kontr_Erkl)->isHidden());
        for (int i = 0; i <= 4; ++i) {
            QVERIFY(p->widget(start().chk_verstecken(i))->isHidden());
            QVERIFY(p->knopf(start().chk_verstecken(i))->isChecked());
        }
        QVERIFY(p->widget(start().txt_Erkl)->isHidden());
        QWidget* kaestchen = p->widget(start().chk_verstecken(2));
        QCOMPARE(kaestchen->palette().color(kaestchen->backgroundRole()), farbe(192, 255, 255));
        QCOMPARE(kaestchen->palette().color(QPalette::WindowText), farbe(192, 0, 192));
        QVERIFY(kaestchen->autoFillBackground());
    }

    void derHauptbildschirm() {
        p->spielStarten();
        QWidget* fenster = p->fenster(main());
        QCOMPARE(fenster->windowTitle(), QString("Form1"));
        const double dpi = fenster->logicalDpiX();
        QCOMPARE(fenster->size(), QSize(pixels(11220, dpi), pixels(8895, dpi)));
        QVERIFY(!fenster->windowIcon().isNull());
        QCOMPARE(fenster->windowIcon().pixmap(16, 16).size(), QSize(16, 16));

        for (int k : {1, 9, 23, 73, 81}) {
            for (const toolkit::ElementArray* feld : {&main().txt_m, &main().txt_c, &main().lbl_c,
                                                      &main().lbl_w, &main().lbl_s, &main().lbl_q})
                pruefeLage((*feld)(k));
        }
        // Cell 81 in square 9, cell 1 in square 1.
        QCOMPARE(p->widget(main().txt_m(81))->palette().color(QPalette::Base),
                 farbe(128, 128, 255));
        QCOMPARE(p->widget(main().txt_m(1))->palette().color(QPalette::Base), farbe(255, 192, 192));
        QCOMPARE(p->zeile(main().txt_m(1))->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QVERIFY(p->zeile(main().txt_m(1))->font().bold());
        QCOMPARE(p->widget(main().lbl_w(40))->palette().color(QPalette::Window),
                 farbe(255, 255, 0));

        // The candidate pads: three centred lines, no scroll bar.
        QTextEdit* pad = p->feld(main().txt_c(1));
        QCOMPARE(pad->toPlainText(), QString("1 2 3\n4 5 6\n7 8 9"));
        QCOMPARE(pad->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(pad->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(pad->isReadOnly());
        QCOMPARE(p->feld(main().txt_test)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        QCOMPARE(p->beschriftung(main().lbl_erkl(0))->text(), QString("Letzte mark.\n Ziffer"));
        QCOMPARE(p->beschriftung(main().lbl_erkl(3))->text(), QString("Eingegebene\n Ziffern"));
        QCOMPARE(p->beschriftung(main().lbl_s(12))->text(), QString("3"));

        // Title letters: colours as designed, locked.
        QCOMPARE(p->zeile(main().txt_Titel(2))->text(), QString("D"));
        QCOMPARE(p->zeile(main().txt_Titel(2))->palette().color(QPalette::Text), farbe(192, 0, 0));
        QVERIFY(p->zeile(main().txt_Titel(2))->isReadOnly());

        // The spare elements 0 stay hidden.
        for (const toolkit::ElementArray* feld : {&main().txt_m, &main().txt_c, &main().lbl_c,
                                                  &main().lbl_w, &main().lbl_s, &main().lbl_q})
            QVERIFY(p->widget((*feld)(0))->isHidden());
        QVERIFY(p->widget(main().txt_test)->isHidden());

        QPushButton* verlassen = qobject_cast<QPushButton*>(p->knopf(main().cmd_exit));
        pruefeLage(main().cmd_exit);
        QCOMPARE(verlassen->text(), QString("Sudoku verlassen"));
    }

    void genauEinFensterIstSichtbar() {
        QVERIFY(p->fenster(start())->isVisible());
        QVERIFY(!p->fenster(main())->isVisible());
        QVERIFY(!p->fenster(p->programm->druck)->isVisible());
        p->spielStarten();
        QVERIFY(!p->fenster(start())->isVisible());
        QVERIFY(p->fenster(main())->isVisible());
        p->klicken(main().cmd_druck);
        QVERIFY(!p->fenster(main())->isVisible());
        QVERIFY(p->fenster(p->programm->druck)->isVisible());
        QCOMPARE(p->fenster(p->programm->druck)->windowTitle(), QString("Drucken"));
    }

    void dieSchriftenHabenFreieErsatzschriften() {
        QCOMPARE(qtfront::schriftFamilie("Lucida Handwriting"), QString("Z003"));
        QCOMPARE(qtfront::schriftFamilie("MS Sans Serif"), QString("Liberation Sans"));
        // The substitutes are installed (scripts/install-deps.sh) and used.
        // (Qt adds the foundry when two packages ship a family of that name.)
        QVERIFY(QFontInfo(p->widget(start().lbl_Titel)->font()).family().startsWith("Z003"));
        p->spielStarten();
        QVERIFY(
            QFontInfo(p->widget(main().txt_m(5))->font()).family().startsWith("Liberation Sans"));
    }

    void textePassenInIhreElemente() {
        // The captions of the buttons, check boxes and the title fit their
        // widgets with the substitute fonts.
        std::vector<const toolkit::Element*> elemente = {&start().lbl_Titel, &start().cmd_start,
                                                         &start().cmd_erkl, &start().cmd_ansicht};
        for (int i = 0; i <= 4; ++i) elemente.push_back(&start().chk_verstecken(i));
        p->spielStarten();
        for (const toolkit::Element* e :
             {&main().cmd_einlesen_vorgabe, &main().cmd_back, &main().cmd_ans_aend,
              &main().cmd_save, &main().cmd_neustart, &main().cmd_druck, &main().cmd_exit})
            elemente.push_back(e);
        for (const toolkit::Element* e : elemente) {
            QWidget* w = p->widget(*e);
            const QFontMetrics m(w->font());
            const QString text = qtfront::anzeigeText(e->text());
            const int noetig =
                m.horizontalAdvance(text) + (e->kind() == toolkit::ElementKind::CheckBox ? 20 : 4);
            QVERIFY2(noetig <= w->width(), qPrintable(QString::fromStdString(e->fullName())));
            QVERIFY2(m.height() <= w->height(), qPrintable(QString::fromStdString(e->fullName())));
        }
        // "Vorgabe beenden", the longer caption of the read button, fits too.
        QWidget* lesen = p->widget(main().cmd_einlesen_vorgabe);
        QVERIFY(QFontMetrics(lesen->font()).horizontalAdvance("Vorgabe beenden") + 4 <=
                lesen->width());
    }

    void dieErklaerungBleibtImFenster() {
        // The explanation box is wider than the window; it is cut at the
        // window's edge so that its scroll bar stays in sight.
        start().txt_Erkl.move(10, 10, 11000, 8000);
        start().txt_Erkl.setVisible(true);
        QWidget* feld = p->widget(start().txt_Erkl);
        QCOMPARE(feld->geometry().right(), p->fenster(start())->width() - 1);
        QCOMPARE(feld->geometry().bottom(),
                 feld->geometry().top() + pixels(8000, feld->logicalDpiX()) - 1);
    }
};

QTEST_MAIN(DarstellungTest)
#include "darstellung_test.moc"
