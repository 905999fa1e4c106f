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
#include <string>
#include <vector>

#include "screens/program.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"
#include "screens/qt/units.h"
#include "tests/support/working_folder.h"

class QLineEdit;
class QTextEdit;
class QLabel;
class QAbstractButton;

// The real program on the Qt front end, as main() builds it, without its own
// event loop: the tests drive the widgets.
struct RunningProgram {
    RunningProgram();
    ~RunningProgram();

    QWidget* widget(const toolkit::Element& element) const;
    QLineEdit* line(const toolkit::Element& element) const;
    QTextEdit* field(const toolkit::Element& element) const;
    QLabel* caption(const toolkit::Element& element) const;
    QAbstractButton* button(const toolkit::Element& element) const;
    QWidget* window(const toolkit::Screen& screen) const;

    // A user's left click on the element's widget.
    void click(const toolkit::Element& element) const;
    // Key presses as a user types them: each goes to the widget that has the
    // keyboard focus at that moment.
    void typeText(const QString& text) const;
    // Free text as a user types it into the focused widget, umlauts and
    // other characters beyond ASCII included.
    void typeFreeText(const QString& text) const;
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

    // From the start screen to the main screen, by "Sudoku starten".
    void startGame() const;

    qtfront::QtPlatform platform;
    std::unique_ptr<Program> program;
    std::unique_ptr<qtfront::QtFrontEnd> frontEnd;
};

// The base of the widget tests: the running program, its screens, and a
// user's shortcuts on them. Each test class creates `p` in its init().
class ProgramTest : public QObject {
  protected:
    std::unique_ptr<RunningProgram> p;
    frm_sudoku_main& main() { return p->program->main; }
    frm_sudoku_start& start() { return p->program->start; }
    frm_sudoku_druck& druck() { return p->program->druck; }

    // The program started afresh, with its main screen open.
    void startGame() {
        p = std::make_unique<RunningProgram>();
        p->startGame();
    }
    // "Erklärung lesen" clicked in a fresh working folder that holds an
    // explanation file of these bytes; the folder is left again at once.
    void clickExplanation(const std::string& bytes) {
        WorkingFolder folder;
        WorkingFolder::writeFile("sudoku_erkl.txt", bytes);
        p->click(start().cmd_erkl);
    }

    // Clicks into cell k and types the text there.
    void intoCell(int k, const QString& text) {
        p->click(main().txt_m(k));
        p->typeText(text);
    }
    // Clicks into header field i of the print screen and writes the text there.
    void intoField(int i, const QString& text) {
        p->click(druck().txt_eing(i));
        p->typeFreeText(text);
    }
    // After printing, failed or not: both print buttons are back and the
    // notes field has its normal height again, in the model and on screen.
    void checkPrintScreenRestored() {
        QVERIFY(p->widget(druck().cmd_print)->isVisible());
        QVERIFY(p->widget(druck().cmd_zurueck)->isVisible());
        QCOMPARE(druck().txt_eing(3).height(), 3015);
        QWidget* notes = p->widget(druck().txt_eing(3));
        QCOMPARE(notes->height(), qtfront::pixels(3015, notes->logicalDpiX()));
    }
};

// What a modal dialog showed.
struct SeenDialog {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString atOpening;  // what the test wanted to know while it was open
};

// Answers the modal dialogs that a test's actions open, in order, while
// their event loops run. A dialog that finds no answer queued is closed
// (rejected), so a test never hangs; it is counted as unexpected.
class DialogAnswerer : public QObject {
  public:
    DialogAnswerer();

    // The next message box: click the button with this text ("&Ja", "OK").
    // `watch` runs while the box is open; its result is kept.
    void button(const QString& text, std::function<QString()> watch = {});
    // The next input box: type the text and press OK, or cancel.
    void input(const QString& text);
    void cancelNext();

    const std::vector<SeenDialog>& seen() const { return seen_; }
    int unexpected() const { return unexpected_; }
    bool allAnswered() const { return answers_.empty(); }

  private:
    void check();

    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> answers_;
    std::vector<SeenDialog> seen_;
    int unexpected_ = 0;
};
