// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <sstream>
#include <stdexcept>

#include "screens/toolkit/application.h"
#include "screens/toolkit/element_array.h"
#include "screens/toolkit/failure.h"
#include "screens/toolkit/menu.h"
#include "screens/toolkit/scripted_platform.h"
#include "tests/support/failure_number.h"

using namespace toolkit;

namespace {

class TestScreen : public Screen {
  public:
    explicit TestScreen(Application& app)
        : Screen(app, "test"),
          field(*this, ElementKind::TextBox, "feld", 3),
          button(*this, ElementKind::Button, "knopf") {
        for (int i = 0; i <= 3; ++i) field(i).setTabIndex(i);
        field(0).setVisible(false);
        button.setTabIndex(4);
    }
    ElementArray field;
    Element button;
    int loads = 0;

  protected:
    void Form_Load() override { ++loads; }
};

struct ToolkitTest : ::testing::Test {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    Application app{platform};
    TestScreen screen{app};
};

}  // namespace

TEST_F(ToolkitTest, ArrayIndexesOutsideTheBoundsRaiseTheirFailureNumbers) {
    EXPECT_EQ(screen.field(3).fullName(), "feld(3)");
    EXPECT_EQ(failureNumber([&] { screen.field(-1); }), failure_element_index);
    EXPECT_EQ(failureNumber([&] { screen.field(4); }), failure_element_missing);
}

TEST_F(ToolkitTest, SettingATextRaisesTheChangeEventNestedAndOnlyOnAChange) {
    std::vector<std::string> seen;
    Element& f = screen.field(1);
    f.onChange = [&] {
        seen.push_back(f.text());
        if (f.text() == "5") f.setText("!");  // nested write inside the handler
    };
    f.setText("5");
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "!"}));
    f.setText("!");  // unchanged: no event
    EXPECT_EQ(seen.size(), 2u);
    // Labels and buttons have no change event.
    screen.button.onChange = [&] { seen.push_back("knopf"); };
    screen.button.setText("neu");
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(ToolkitTest, KeyFilterMaySwallowOrPassTheCharacter) {
    Element& f = screen.field(1);
    f.onKeyPress = [](int& code) {
        if (code < '1' || code > '9') code = 0;
    };
    f.pressKey('a');
    EXPECT_EQ(f.text(), "");
    f.setMaxLength(1);
    f.pressKey('7');
    EXPECT_EQ(f.text(), "7");
    f.pressKey('8');  // at the maximum length
    EXPECT_EQ(f.text(), "7");
    f.setLocked(true);
    f.setText("");
    f.pressKey('3');  // locked: the filter runs, nothing is typed
    EXPECT_EQ(f.text(), "");
}

TEST_F(ToolkitTest, TypingEditsATextBoxAsAUserWould) {
    Element& f = screen.field(2);
    for (int code : {int('a'), 0xE4, int('b')}) f.typeCharacter(code);
    EXPECT_EQ(f.text(),
              "a\xC3\xA4"
              "b");
    f.typeCharacter(8);
    f.typeCharacter(8);
    EXPECT_EQ(f.text(), "a");
    f.typeCharacter(13);  // Enter adds nothing to a one-line box
    EXPECT_EQ(f.text(), "a");
    f.setMultiLine(true);
    f.typeCharacter(13);
    EXPECT_EQ(f.text(), "a\r\n");
}

TEST_F(ToolkitTest, CharactersBeyondLatinOneAreTypedAsWholeUtf8Characters) {
    Element& f = screen.field(2);
    f.setMaxLength(3);
    f.typeCharacter(0x20AC);   // euro sign: three bytes
    f.typeCharacter(0x1F600);  // beyond the basic plane: four bytes
    f.typeCharacter('x');
    EXPECT_EQ(f.text(), "\xE2\x82\xAC\xF0\x9F\x98\x80x");
    f.typeCharacter('y');  // the maximum length counts characters, not bytes
    EXPECT_EQ(f.text(), "\xE2\x82\xAC\xF0\x9F\x98\x80x");
    f.typeCharacter(8);
    f.typeCharacter(8);  // Backspace takes the whole four-byte character
    EXPECT_EQ(f.text(), "\xE2\x82\xAC");
    f.typeCharacter(8);
    EXPECT_EQ(f.text(), "");
    f.typeCharacter(8);  // nothing left: no change
    EXPECT_EQ(f.text(), "");
}

TEST_F(ToolkitTest, FirstShowingLoadsOnceAndFocusesTheFirstElementThatCanTakeIt) {
    EXPECT_FALSE(screen.loaded());
    screen.show();
    screen.hide();
    screen.show();
    EXPECT_EQ(screen.loads, 1);
    EXPECT_EQ(app.focus(), &screen.field(1));  // field(0) is hidden
    screen.setFocus(screen.field(3));
    screen.hide();
    EXPECT_EQ(app.focus(), nullptr);
    screen.show();
    EXPECT_EQ(app.focus(), &screen.field(3));  // the screen keeps its focus
}

TEST_F(ToolkitTest, UnloadingTheLastScreenEndsTheProgramOnce) {
    TestScreen other(app);
    screen.show();
    other.unload();  // never loaded: no effect
    EXPECT_FALSE(app.ended());
    screen.unload();
    EXPECT_TRUE(app.ended());
    screen.unload();
    EXPECT_EQ(out.str(), "ended\n");
}

TEST_F(ToolkitTest, ScriptedBoxesAnswerFromTheQueueOrByDefault) {
    platform.queueAnswer(true);
    EXPECT_EQ(app.messageBox("Frage?", yes_no + exclamation, "Rückfrage"), answer_yes);
    EXPECT_EQ(app.messageBox("Frage?", yes_no, ""), answer_no);
    EXPECT_EQ(app.messageBox("Hallo\r\n\"x\"", ok_only, ""), answer_ok);
    platform.queueInput("datei");
    EXPECT_EQ(app.inputBox("Name?", "Hinweis!"), "datei");
    EXPECT_EQ(app.inputBox("Name?", "Hinweis!"), "");
    EXPECT_EQ(out.str(),
              "message \"Rückfrage\" 52 \"Frage?\" -> yes\n"
              "message \"\" 4 \"Frage?\" -> no\n"
              "message \"\" 0 \"Hallo\\r\\n\\\"x\\\"\" -> ok\n"
              "input \"Hinweis!\" \"Name?\" -> \"datei\"\n"
              "input \"Hinweis!\" \"Name?\" -> cancel\n");
}

TEST_F(ToolkitTest, HidingOrDisablingTheFocusedElementMovesTheFocusOn) {
    screen.show();
    screen.setFocus(screen.field(3));
    screen.field(3).setVisible(false);
    EXPECT_EQ(app.focus(), &screen.button);
    screen.button.setEnabled(false);  // wraps round, past the hidden spare field(0)
    EXPECT_EQ(app.focus(), &screen.field(1));
    screen.field(2).setVisible(false);  // not focused: the focus stays
    EXPECT_EQ(app.focus(), &screen.field(1));
}

TEST_F(ToolkitTest, AUserEventWhoseHandlerRunsOutOfMemoryIsReportedAndTheProgramGoesOn) {
    screen.button.onClick = [] { throw std::bad_alloc(); };
    EXPECT_NO_THROW(screen.button.click());
    screen.field(1).onKeyPress = [](int&) { throw std::bad_alloc(); };
    EXPECT_NO_THROW(screen.field(1).pressKey('5'));
    EXPECT_EQ(screen.field(1).text(), "");  // the key stopped with its filter
    const std::string message = "message \"\" 0 \"Ein unbekannter Fehler trat auf!\" -> ok\n";
    EXPECT_EQ(out.str(), message + message);
    EXPECT_FALSE(app.ended());
}

// Two front ends drawing one element would fight over it, and the first to
// go would silence the other.
TEST_F(ToolkitTest, AnElementOrScreenTakesOneObserverAtATime) {
    struct Watcher : ElementObserver, ScreenObserver {
        int changes = 0;
        void elementChanged(Element&, Property) override { ++changes; }
        void screenChanged(Screen&, ScreenProperty) override { ++changes; }
    } first, second;
    screen.button.setObserver(&first);
    screen.setObserver(&first);
    EXPECT_THROW(screen.button.setObserver(&second), std::logic_error);
    EXPECT_THROW(screen.setObserver(&second), std::logic_error);
    screen.button.setText("x");
    screen.setCaption("x");
    EXPECT_EQ(first.changes, 2);
    screen.button.setObserver(nullptr);
    screen.setObserver(nullptr);
    screen.button.setObserver(&second);
    screen.setObserver(&second);
    screen.button.setText("y");
    screen.setCaption("y");
    EXPECT_EQ(second.changes, 2);
}

TEST_F(ToolkitTest, ListenersAreToldOnceAfterEachOutermostUserEvent) {
    std::vector<std::string> seen;
    const int first = app.addInputListener([&] { seen.push_back("1:" + screen.field(1).text()); });
    int second = 0;
    second = app.addInputListener([&] {
        seen.push_back("2");
        app.removeInputListener(second);  // removes itself while being told
    });
    // A click whose handler types into a box: one event, told at its end.
    screen.button.onClick = [&] { screen.field(1).pressKey('7'); };
    screen.button.click();
    EXPECT_EQ(seen, (std::vector<std::string>{"1:7", "2"}));
    screen.button.click();
    EXPECT_EQ(seen.back(), "1:77");
    EXPECT_EQ(seen.size(), 3u);
    // A handler that failed still ends its event.
    screen.button.onClick = [] { throw std::bad_alloc(); };
    screen.button.click();
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(app.userEventCount(), 3u);
    app.removeInputListener(first);
    screen.field(2).pressKey('1');
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(ToolkitTest, TheMenuKeysOpenTheMenuOfTheFocusOrOfTheLastElementWithOne) {
    EXPECT_EQ(screen.menuElement(), nullptr);
    const auto menu =
        std::make_shared<const ContextMenu>([](Element&) { return std::vector<MenuItem>{}; });
    screen.field(2).setContextMenu(menu);
    screen.field(3).setContextMenu(menu);
    screen.show();
    EXPECT_EQ(screen.menuElement(), &screen.field(2));  // the first in focus order
    screen.setFocus(screen.field(3));
    screen.setFocus(screen.button);
    EXPECT_EQ(screen.menuElement(), &screen.field(3));
    screen.setFocus(screen.field(2));
    EXPECT_EQ(screen.menuElement(), &screen.field(2));
}

TEST_F(ToolkitTest, ChordNamesReadAsPeopleWriteThem) {
    for (const char* name :
         {"Ctrl+Shift+Z", "Ctrl+1", "Shift+F10", "Escape", "Menu", "Left", "Ctrl+V", "Shift+Insert",
          "PageDown", "F12", "Ctrl+Alt+Shift+Meta+Delete"}) {
        const auto chord = chordFromName(name);
        ASSERT_TRUE(chord) << name;
        EXPECT_EQ(chordName(*chord), name);
    }
    EXPECT_EQ(chordFromName("Shift+Ctrl+Z"), chordFromName("Ctrl+Shift+Z"));
    EXPECT_EQ(chordFromName("Ctrl+H"), (KeyChord{static_cast<Key>('H'), ctrl_modifier}));
    // A letter or digit without Ctrl types a character; the rest is no key.
    for (const char* name : {"V", "Shift+V", "Alt+5", "Ctrl+", "Ctrl+Ctrl+V", "Strg+V", "F0", "F13",
                             "Ctrl+v", "Space", ""})
        EXPECT_FALSE(chordFromName(name)) << name;
}

TEST_F(ToolkitTest, ADecorationIsToldToTheObserverAndReadsAsText) {
    struct Watcher : ElementObserver {
        int decorations = 0;
        void elementChanged(Element&, Property property) override {
            if (property == Property::Decoration) ++decorations;
        }
    } watcher;
    Element& pad = screen.field(1);
    pad.setObserver(&watcher);
    EXPECT_EQ(decorationText(pad.decoration()), "none");
    Decoration d;
    d.digits[3] = d.digits[7] = DigitMark::Marked;
    d.digits[5] = DigitMark::Struck;
    pad.setDecoration(d);
    pad.setDecoration(d);  // unchanged: not told again
    EXPECT_EQ(watcher.decorations, 1);
    EXPECT_EQ(decorationText(pad.decoration()), "marked 3 7 struck 5");
    EXPECT_EQ(decorationText({ElementMark::Dashed, {}}), "dashed");
    d.mark = ElementMark::Frame;
    EXPECT_EQ(decorationText(d), "frame marked 3 7 struck 5");
    pad.setDecoration({});
    EXPECT_EQ(watcher.decorations, 2);
    pad.setObserver(nullptr);
}
