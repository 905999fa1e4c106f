// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "screens/programm.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"
#include "screens/qt/umrechnung.h"

class QLineEdit;
class QTextEdit;
class QLabel;
class QAbstractButton;

// The real program on the Qt front end, as main() builds it, without its own
// event loop: the tests drive the widgets.
struct LaufendesProgramm {
    LaufendesProgramm();
    ~LaufendesProgramm();

    QWidget* widget(const toolkit::Element& element) const;
    QLineEdit* zeile(const toolkit::Element& element) const;
    QTextEdit* feld(const toolkit::Element& element) const;
    QLabel* beschriftung(const toolkit::Element& element) const;
    QAbstractButton* knopf(const toolkit::Element& element) const;
    QWidget* fenster(const toolkit::Screen& screen) const;

    // A user's left click on the element's widget.
    void klicken(const toolkit::Element& element) const;
    // Key presses as a user types them: each goes to the widget that has the
    // keyboard focus at that moment.
    void tippen(const QString& text) const;
    // Free text as a user types it into the focused widget, umlauts and
    // other characters beyond ASCII included.
    void schreiben(const QString& text) const;
    void taste(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

    // From the start screen to the main screen, by "Sudoku starten".
    void spielStarten() const;

    qtfront::QtPlatform plattform;
    std::unique_ptr<Programm> programm;
    std::unique_ptr<qtfront::QtFrontEnd> oberflaeche;
};

// The base of the widget tests: the running program, its screens, and a
// user's shortcuts on them. Each test class creates `p` in its init().
class ProgrammTest : public QObject {
  protected:
    std::unique_ptr<LaufendesProgramm> p;
    frm_sudoku_main& main() { return p->programm->main; }
    frm_sudoku_start& start() { return p->programm->start; }
    frm_sudoku_druck& druck() { return p->programm->druck; }

    // Clicks into cell k and types the text there.
    void inZelle(int k, const QString& text) {
        p->klicken(main().txt_m(k));
        p->tippen(text);
    }
    // Clicks into header field i of the print screen and writes the text there.
    void insFeld(int i, const QString& text) {
        p->klicken(druck().txt_eing(i));
        p->schreiben(text);
    }
    // After printing, failed or not: both print buttons are back and the
    // notes field has its normal height again, in the model and on screen.
    void pruefeDruckschirmWiederhergestellt() {
        QVERIFY(p->widget(druck().cmd_print)->isVisible());
        QVERIFY(p->widget(druck().cmd_zurueck)->isVisible());
        QCOMPARE(druck().txt_eing(3).height(), 3015);
        QWidget* anmerkungen = p->widget(druck().txt_eing(3));
        QCOMPARE(anmerkungen->height(), qtfront::pixels(3015, anmerkungen->logicalDpiX()));
    }
};

// What a modal dialog showed.
struct GesehenerDialog {
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QStringList knoepfe;
    QString beiOeffnung;  // what the test wanted to know while it was open
};

// Answers the modal dialogs that a test's actions open, in order, while
// their event loops run. A dialog that finds no answer queued is closed
// (rejected), so a test never hangs; it is counted as unexpected.
class DialogBeantworter : public QObject {
  public:
    DialogBeantworter();

    // The next message box: click the button with this text ("&Ja", "OK").
    // `beobachten` runs while the box is open; its result is kept.
    void knopf(const QString& text, std::function<QString()> beobachten = {});
    // The next input box: type the text and press OK, or cancel.
    void eingabe(const QString& text);
    void abbrechen();

    const std::vector<GesehenerDialog>& gesehen() const { return gesehen_; }
    int unerwartet() const { return unerwartet_; }
    bool alleBeantwortet() const { return antworten_.empty(); }

  private:
    void pruefen();

    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> antworten_;
    std::vector<GesehenerDialog> gesehen_;
    int unerwartet_ = 0;
};
