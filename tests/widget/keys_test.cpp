// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcuts of a screen on every kind of its elements, and the menu keys
// that open a right-click menu where the keyboard focus stands.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "widget_fixture.h"

namespace {

const char* const puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// What the menu that a key opened showed, and where.
struct OpenedMenu {
    bool opened = false;
    QPoint place;
    QStringList items;
};

}  // namespace

class KeysTest : public ProgramTest {
    Q_OBJECT

  private:
    // Puts the keyboard focus on the element, as Tab would, once its window
    // is active again after a dialog.
    void focus(toolkit::Element& element) {
        element.screen().setFocus(element);
        p->window(element.screen())->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p->window(element.screen())));
        p->widget(element)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), p->widget(element));
    }
    // The key on the focused widget; the menu it opens is looked at and closed.
    // A menu that runs its own loop is looked at from there; one that does
    // not (a text field's) once the key is handled.
    OpenedMenu menuByKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        OpenedMenu seen;
        const auto look = [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || seen.opened) return;
            seen = {true, menu->pos(), {}};
            for (QAction* action : menu->actions()) seen.items << action->text();
            menu->close();
        };
        QTimer inLoop;
        inLoop.setSingleShot(true);
        connect(&inLoop, &QTimer::timeout, look);
        inLoop.start(0);
        p->key(key, modifiers);
        look();
        return seen;
    }
    QPoint middleOf(const toolkit::Element& element) {
        QWidget* w = p->widget(element);
        return w->mapToGlobal(w->rect().center());
    }
    // Ctrl+P from the main screen, wherever its focus stands.
    void toPrintScreen() {
        focus(main().cmd_back);
        p->key(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(druck().visible());
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
    }

  private slots:
    void init() { startGame(); }
    void cleanup() { p.reset(); }

    void mainScreenShortcutsActOnEveryKindOfElement() {
        // A board cell, a candidate pad, a title letter, a button.
        for (toolkit::Element* e :
             {&main().txt_m(41), &main().txt_c(41), &main().txt_Titel(1), &main().cmd_save}) {
            focus(*e);
            DialogAnswerer dialogs;
            dialogs.button("OK");
            p->key(Qt::Key_E, Qt::ControlModifier);
            QVERIFY2(dialogs.seen().size() == 1 && dialogs.seen()[0].title == "Prüfung",
                     e->fullName().c_str());
        }
        // A title letter is a read-only field, which would take Ctrl+V for
        // itself; the screen's paste comes first.
        QGuiApplication::clipboard()->setText(puzzle);
        focus(main().txt_Titel(2));
        p->key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(main().back, 30);
        // The arrow keys stay the board cells': on a pad they move nothing
        // between the cells.
        focus(main().txt_c(5));
        p->key(Qt::Key_Left);
        QCOMPARE(main().activeElement(), &main().txt_c(5));
    }

    void printScreenShortcutsActOnEveryKindOfElement() {
        toPrintScreen();
        // A one-line field, the notes field, the grid, a button.
        for (toolkit::Element* e :
             std::initializer_list<toolkit::Element*>{&druck().txt_eing(0), &druck().txt_eing(3),
                                                      &druck().flx_print, &druck().cmd_print}) {
            focus(*e);
            bool asked = false;
            QTimer::singleShot(0, [&] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    asked = true;
                    dialog->reject();
                }
            });
            p->key(Qt::Key_S, Qt::ControlModifier);
            QVERIFY2(asked, e->fullName().c_str());

            focus(*e);
            p->key(Qt::Key_Escape);
            QVERIFY2(main().visible() && !druck().visible(), e->fullName().c_str());
            toPrintScreen();
        }
    }

    void aFieldKeepsItsOwnEditingKeys() {
        toPrintScreen();
        std::vector<std::string> chords;
        druck().onChord = [&](toolkit::KeyChord chord, toolkit::Element*) {
            chords.push_back(toolkit::chordName(chord));
            return true;
        };
        QGuiApplication::clipboard()->setText("Rätsel 7");
        focus(druck().txt_eing(0));
        p->key(Qt::Key_V, Qt::ControlModifier);
        p->key(Qt::Key_Left);
        p->key(Qt::Key_F5);
        QCOMPARE(druck().txt_eing(0).text(), std::string("Rätsel 7"));
        QCOMPARE(chords, std::vector<std::string>{"F5"});
    }

    void theMenuKeysOpenTheMenuAtTheFocusedElement() {
        QCursor::setPos(1, 1);
        focus(main().txt_m(31));
        const OpenedMenu byMenuKey = menuByKey(Qt::Key_Menu);
        QVERIFY(byMenuKey.opened);
        QCOMPARE(byMenuKey.place, middleOf(main().txt_m(31)));
        QVERIFY(byMenuKey.items.contains("Lösbarkeit prüfen"));
        focus(main().txt_m(12));
        QCOMPARE(menuByKey(Qt::Key_F10, Qt::ShiftModifier).place, middleOf(main().txt_m(12)));

        // On an element without a menu: the menu of the board cell that had
        // the focus last, which takes the focus again.
        focus(main().cmd_neustart);
        QCOMPARE(menuByKey(Qt::Key_Menu).place, middleOf(main().txt_m(12)));
        QCOMPARE(main().activeElement(), &main().txt_m(12));

        // A field of the print screen opens its own editing menu; a button
        // the grid's menu, the one menu there.
        toPrintScreen();
        focus(druck().txt_eing(1));
        const OpenedMenu editing = menuByKey(Qt::Key_Menu);
        QVERIFY(editing.opened);
        QVERIFY(!editing.items.join(' ').contains("PDF"));
        focus(druck().cmd_zurueck);
        const OpenedMenu grid = menuByKey(Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(grid.place, middleOf(druck().flx_print));
        QCOMPARE(grid.items.size(), 1);
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
