// SPDX-License-Identifier: GPL-3.0-or-later
// The print screen on the real widgets: the grid shows the board with the
// givens grey and bold, follows the board at every opening and marks no
// cell; printing draws the screen without its buttons and with the long
// notes field, reports failures and puts the screen back.

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
#include "screens/qt/seite_drucken.h"
#include "screens/qt/umrechnung.h"
#include "screens/toolkit/failure.h"
#include "testumgebung.h"

using qtfront::pixels;

namespace {

// What a print target saw when the page reached it.
struct Aufzeichnung {
    int seiten = 0;
    QByteArray pdf;
    QString titel;
    bool knoepfeSichtbar = true;
    int anmerkungenHoehe = 0;      // pixels
    bool textAusgewaehlt = false;  // in the first header field
    QImage fenster;                // the window at that moment
};

// A print target that records instead of printing, or fails as told.
class Aufzeichner : public qtfront::Druckziel {
  public:
    enum class Fehler { keiner, drucker, anderer };

    Aufzeichner(Aufzeichnung& a, LaufendesProgramm& p, Fehler f) : a_(a), p_(p), fehler_(f) {}

    QPageLayout seitenformat() const override {
        return QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }

    void senden(const QString& pdfDatei, const QString& titel) override {
        frm_sudoku_druck& druck = p_.programm->druck;
        a_.knoepfeSichtbar =
            p_.widget(druck.cmd_print)->isVisible() || p_.widget(druck.cmd_zurueck)->isVisible();
        a_.anmerkungenHoehe = p_.widget(druck.txt_eing(3))->height();
        a_.textAusgewaehlt = p_.zeile(druck.txt_eing(0))->hasSelectedText();
        a_.fenster = p_.fenster(druck)->grab().toImage();
        if (fehler_ == Fehler::drucker)
            throw toolkit::Failure(toolkit::fehler_drucker, "Drucker abgeschaltet");
        if (fehler_ == Fehler::anderer) throw std::runtime_error("Speicher voll");
        QFile datei(pdfDatei);
        if (datei.open(QIODevice::ReadOnly)) a_.pdf = datei.readAll();
        a_.titel = titel;
        ++a_.seiten;
    }

  private:
    Aufzeichnung& a_;
    LaufendesProgramm& p_;
    Fehler fehler_;
};

// Pixels of one colour within a rectangle.
int pixelDerFarbe(const QImage& bild, const QRect& flaeche, QColor farbe) {
    int n = 0;
    for (int y = flaeche.top(); y <= flaeche.bottom(); ++y)
        for (int x = flaeche.left(); x <= flaeche.right(); ++x)
            if (bild.pixelColor(x, y).rgb() == farbe.rgb()) ++n;
    return n;
}

// The ink of a text within a rectangle: how much darker than the
// rectangle's background (its top-left pixel) its pixels are, summed up.
int tinte(const QImage& bild, const QRect& flaeche) {
    const int hintergrund = qGray(bild.pixel(flaeche.topLeft()));
    int summe = 0;
    for (int y = flaeche.top(); y <= flaeche.bottom(); ++y)
        for (int x = flaeche.left(); x <= flaeche.right(); ++x)
            summe += std::max(0, hintergrund - qGray(bild.pixel(x, y)));
    return summe;
}

}  // namespace

class DruckTest : public ProgrammTest {
    Q_OBJECT

  private:
    QTableView* tabelle() {
        auto* t = qobject_cast<QTableView*>(p->widget(druck().flx_print));
        if (!t) qFatal("flx_print is no table");
        return t;
    }
    QModelIndex zelle(int r, int c) { return tabelle()->model()->index(r, c); }

    // Givens 5 (cell 1), 3 (cell 2) and 9 (cell 81), fixed; then own entries
    // 5 (cell 41) and 4 (cell 9); then the print screen.
    void spielDrucken() {
        inZelle(1, "53");
        inZelle(81, "9");
        p->klicken(main().cmd_einlesen_vorgabe);
        inZelle(41, "5");
        inZelle(9, "4");
        p->klicken(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->fenster(druck())));
    }

    void druckzielSetzen(Aufzeichnung& a, Aufzeichner::Fehler f) {
        p->plattform.setDruckziel(
            [this, &a, f] { return std::make_unique<Aufzeichner>(a, *p, f); });
    }

  private slots:
    void init() {
        p = std::make_unique<LaufendesProgramm>();
        p->spielStarten();
    }
    void cleanup() { p.reset(); }

    void dieTabelleHatNeunMalNeunZellenOhneKoepfe() {
        spielDrucken();
        QTableView* t = tabelle();
        QCOMPARE(t->model()->rowCount(), 9);
        QCOMPARE(t->model()->columnCount(), 9);
        QVERIFY(t->horizontalHeader()->isHidden());
        QVERIFY(t->verticalHeader()->isHidden());
        const int seite = pixels(475, t->logicalDpiX());
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(t->rowHeight(i), seite);
            QCOMPARE(t->columnWidth(i), seite);
        }
        // All nine rows and columns fit without scrolling.
        QVERIFY(9 * seite <= t->viewport()->width());
        QVERIFY(9 * seite <= t->viewport()->height());
        QCOMPARE(t->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(t->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(t->showGrid());
        QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(t->selectionMode(), QAbstractItemView::NoSelection);
        const QRect lage(pixels(240, t->logicalDpiX()), pixels(3480, t->logicalDpiX()),
                         pixels(4455, t->logicalDpiX()), pixels(4455, t->logicalDpiX()));
        QCOMPARE(t->geometry(), lage);
    }

    void vorgabenGrauUndFettEigeneZiffernSchlicht() {
        spielDrucken();
        struct Erwartet {
            int r, c;
            const char* text;
            bool vorgabe;
        };
        for (const Erwartet& e :
             {Erwartet{0, 0, "5", true}, Erwartet{0, 1, "3", true}, Erwartet{8, 8, "9", true},
              Erwartet{4, 4, "5", false}, Erwartet{0, 8, "4", false}, Erwartet{1, 1, "", false},
              Erwartet{0, 2, "", false}}) {
            const QModelIndex i = zelle(e.r, e.c);
            const QString wo = QString("(%1,%2)").arg(e.r).arg(e.c);
            QCOMPARE(i.data(Qt::DisplayRole).toString(), QString(e.text));
            const QFont schrift = i.data(Qt::FontRole).value<QFont>();
            QVERIFY2(schrift.bold() == e.vorgabe, qPrintable(wo));
            QVERIFY2(schrift.family().startsWith("Z003"), qPrintable(wo));
            QCOMPARE(schrift.pointSizeF(), 9.75);
            const QVariant hintergrund = i.data(Qt::BackgroundRole);
            if (e.vorgabe)
                QCOMPARE(hintergrund.value<QBrush>().color(), QColor(225, 225, 225));
            else
                QVERIFY2(!hintergrund.isValid(), qPrintable(wo));
            QCOMPARE(i.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
        }
        // Every cell copies its board cell, row by row.
        int gefuellt = 0;
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c) {
                const QString text = zelle(r, c).data().toString();
                QCOMPARE(text.toStdString(), main().txt_m(9 * r + c + 1).text());
                if (!text.isEmpty()) ++gefuellt;
            }
        QCOMPARE(gefuellt, 5);
    }

    void dieAusrichtungscodesDerZellen() {
        using qtfront::zellAusrichtung;
        QCOMPARE(zellAusrichtung(toolkit::mitte_mitte, "5"), Qt::AlignCenter);
        QCOMPARE(zellAusrichtung(toolkit::links_oben, "5"), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(zellAusrichtung(toolkit::links_unten, "5"), Qt::AlignLeft | Qt::AlignBottom);
        QCOMPARE(zellAusrichtung(toolkit::mitte_oben, "5"), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(zellAusrichtung(toolkit::rechts_mitte, "a"), Qt::AlignRight | Qt::AlignVCenter);
        // The general alignment: numbers right, texts left.
        QCOMPARE(zellAusrichtung(toolkit::allgemein, "12"), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(zellAusrichtung(toolkit::allgemein, "ab"), Qt::AlignLeft | Qt::AlignVCenter);
    }

    void vorgabenSindSichtbarFetterAlsEigeneZiffern() {
        // The 5 of cell 1 is a given, the 5 of cell 41 an own entry: the same
        // digit in the same face, once bold.
        spielDrucken();
        QTableView* t = tabelle();
        const QImage bild = t->viewport()->grab().toImage();
        const int fett = tinte(bild, t->visualRect(zelle(0, 0)).adjusted(1, 1, -2, -2));
        const int schlicht = tinte(bild, t->visualRect(zelle(4, 4)).adjusted(1, 1, -2, -2));
        QVERIFY2(schlicht > 0, "the own entry is drawn");
        QVERIFY2(fett * 10 >= schlicht * 12,
                 qPrintable(QString("bold %1, plain %2").arg(fett).arg(schlicht)));
        // The grey of the givens, white elsewhere.
        const QPoint ecke = t->visualRect(zelle(0, 0)).topLeft() + QPoint(3, 3);
        QCOMPARE(bild.pixelColor(ecke), QColor(225, 225, 225));
        QCOMPARE(bild.pixelColor(t->visualRect(zelle(4, 4)).topLeft() + QPoint(3, 3)),
                 t->palette().color(QPalette::Base));
    }

    void keineZelleWirdAlsAktuelleOderAusgewaehlteMarkiert() {
        spielDrucken();
        QTableView* t = tabelle();
        // With the focus, the table as a whole is framed; no cell stands out.
        t->setFocus(Qt::OtherFocusReason);
        const QImage vorher = t->grab().toImage();
        const QRect ziel = t->visualRect(zelle(0, 0));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, ziel.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, ziel.center());
        QTest::keyClick(t, Qt::Key_Right);
        QTest::keyClick(t, Qt::Key_Space);
        QTest::keyClick(t, Qt::Key_7);
        QVERIFY(t->hasFocus());
        QCOMPARE(druck().flx_print.textMatrix(0, 0), std::string("5"));
        QVERIFY(t->selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(!t->indexWidget(zelle(0, 0)));
        QCOMPARE(t->grab().toImage(), vorher);
    }

    void tabFuehrtVonDerTabelleZumDruckknopf() {
        spielDrucken();
        tabelle()->setFocus(Qt::TabFocusReason);
        p->taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p->widget(druck().cmd_print));
        p->taste(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tabelle()));
    }

    void einSpaeteresOeffnenZeigtDasBrettVonJetzt() {
        spielDrucken();
        p->klicken(druck().txt_eing(0));
        p->schreiben("Rätsel aus der Zeitung");
        p->klicken(druck().cmd_zurueck);
        QVERIFY(QTest::qWaitForWindowActive(p->fenster(main())));
        inZelle(10, "6");
        inZelle(50, "8");  // row 6, column 5
        p->klicken(main().cmd_druck);
        QCOMPARE(zelle(1, 0).data().toString(), QString("6"));
        QCOMPARE(zelle(5, 4).data().toString(), QString("8"));
        QVERIFY(!zelle(1, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(zelle(0, 0).data(Qt::FontRole).value<QFont>().bold());
        // The table shows it, not only its model.
        QTableView* t = tabelle();
        QVERIFY(tinte(t->viewport()->grab().toImage(),
                      t->visualRect(zelle(5, 4)).adjusted(1, 1, -2, -2)) > 0);
        QCOMPARE(p->zeile(druck().txt_eing(0))->text(), QString("Rätsel aus der Zeitung"));
    }

    void druckenZeigtDenBildschirmOhneKnoepfeMitLangemAnmerkungsfeld() {
        spielDrucken();
        p->klicken(druck().txt_eing(0));
        p->schreiben("Nr. 17");
        Aufzeichnung a;
        druckzielSetzen(a, Aufzeichner::Fehler::keiner);
        DialogBeantworter dialoge;
        QWidget* fenster = p->fenster(druck());
        const QRect knopf = p->widget(druck().cmd_print)->geometry();
        p->klicken(druck().cmd_print);

        QCOMPARE(a.seiten, 1);
        QCOMPARE(a.titel, QString("Drucken"));
        QVERIFY(!a.knoepfeSichtbar);
        QCOMPARE(a.anmerkungenHoehe, pixels(3800, fenster->logicalDpiX()));
        // Where the buttons stood, the page shows no button colour.
        QCOMPARE(pixelDerFarbe(a.fenster, knopf, QColor(255, 128, 255)), 0);
        QVERIFY(pixelDerFarbe(fenster->grab().toImage(), knopf, QColor(255, 128, 255)) > 0);
        // One page in the target's format (A5 landscape: 595 x 420 points).
        QVERIFY(a.pdf.startsWith("%PDF"));
        QCOMPARE(a.pdf.count("/Type /Page\n") + a.pdf.count("/Type /Page\r"), 1);
        QVERIFY2(a.pdf.contains("/MediaBox [0 0 595"), a.pdf.left(2000).constData());

        // The hidden buttons passed the focus on to the first header field,
        // which shows its text as typed, not selected.
        QVERIFY(!a.textAusgewaehlt);
        QCOMPARE(p->programm->app.focus(), &druck().txt_eing(0));
        QCOMPARE(QApplication::focusWidget(), p->widget(druck().txt_eing(0)));
        QVERIFY(!p->zeile(druck().txt_eing(0))->hasSelectedText());

        QCOMPARE(dialoge.gesehen().size(), std::size_t(0));
        pruefeDruckschirmWiederhergestellt();
    }

    void diePapierseiteZeigtKeinenFokus() {
        spielDrucken();
        p->klicken(druck().txt_eing(1));
        p->schreiben("Erika");
        QLineEdit* feld = p->zeile(druck().txt_eing(1));
        QVERIFY(feld->hasFocus());
        // Watches whether the field has the focus while it is drawn.
        struct Beobachter : QObject {
            int gemalt = 0, mitFokus = 0;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Paint) {
                    ++gemalt;
                    if (static_cast<QWidget*>(o)->hasFocus()) ++mitFokus;
                }
                return false;
            }
        } beobachter;
        feld->installEventFilter(&beobachter);
        QTemporaryDir ordner;
        {
            QPdfWriter pdf(ordner.filePath("seite.pdf"));
            QVERIFY(qtfront::seiteDrucken(*p->fenster(druck()), pdf));
        }
        feld->removeEventFilter(&beobachter);
        QVERIFY(beobachter.gemalt > 0);
        QCOMPARE(beobachter.mitFokus, 0);
        // Afterwards the field has the focus again, for the model too.
        QVERIFY(feld->hasFocus());
        QCOMPARE(p->programm->app.focus(), &druck().txt_eing(1));
        p->schreiben(" M.");
        QCOMPARE(druck().txt_eing(1).text(), std::string("Erika M."));
    }

    void einDruckerfehlerWirdGemeldetUndDerBildschirmKommtZurueck() {
        spielDrucken();
        Aufzeichnung a;
        druckzielSetzen(a, Aufzeichner::Fehler::drucker);
        DialogBeantworter dialoge;
        dialoge.knopf("OK", [this] {
            // While the message is open the buttons are back already: the
            // print goes on after the failed step.
            return QString::number(p->widget(druck().cmd_print)->isVisible());
        });
        p->klicken(druck().cmd_print);
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        QCOMPARE(dialoge.gesehen()[0].text,
                 QString("Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!"));
        QCOMPARE(dialoge.gesehen()[0].titel, QString("Sudoku"));
        QCOMPARE(dialoge.gesehen()[0].knoepfe, QStringList{"OK"});
        QCOMPARE(dialoge.gesehen()[0].symbol, QMessageBox::NoIcon);
        QCOMPARE(dialoge.gesehen()[0].beiOeffnung, QString("0"));
        QVERIFY(!a.knoepfeSichtbar);
        pruefeDruckschirmWiederhergestellt();
    }

    void einAndererFehlerIstUnbekanntUndDerBildschirmKommtZurueck() {
        spielDrucken();
        Aufzeichnung a;
        druckzielSetzen(a, Aufzeichner::Fehler::anderer);
        DialogBeantworter dialoge;
        dialoge.knopf("OK");
        p->klicken(druck().cmd_print);
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        QCOMPARE(dialoge.gesehen()[0].text, QString("Ein unbekannter Fehler trat auf!"));
        QCOMPARE(dialoge.unerwartet(), 0);
        pruefeDruckschirmWiederhergestellt();
    }

    void ohneStandarddruckerKommtDieDruckermeldung() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        spielDrucken();
        DialogBeantworter dialoge;
        dialoge.knopf("OK");
        p->klicken(druck().cmd_print);
        QCOMPARE(dialoge.gesehen().size(), std::size_t(1));
        QCOMPARE(dialoge.gesehen()[0].text,
                 QString("Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!"));
        pruefeDruckschirmWiederhergestellt();
    }
};

QTEST_MAIN(DruckTest)
#include "druck_test.moc"
