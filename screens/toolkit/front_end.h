// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a front end must do to draw the element model and feed the user's
// input into it. The Qt front end (screens/qt/) is the one the program
// ships; the scenario driver and the unit tests run the screens without one.
//
// Lifetime
//   - The platform (platform.h) comes first: the Application holds it.
//   - Then the screens with all their elements, layouts, event handlers and
//     menus. Elements are created in a screen's constructor; none is added
//     later.
//   - Then the front end: one window per screen of the Application, created
//     before the program shows its first screen. A window creates the
//     widgets of its elements at the screen's first load.
//   - The front end goes before the screens: its windows and widgets observe
//     them and detach in their destructors. The platform goes last.
//
// One observer per element and per screen
//   Each element has at most one ElementObserver, each screen at most one
//   ScreenObserver (setObserver refuses a second one while the first is
//   attached; setObserver(nullptr) detaches). The model tells its observer
//   every change of an observed property, synchronously, from inside the
//   setter; it never polls and never tells anyone else.
//
// Screen properties (ScreenObserver)
//   observed:   Visible (show or hide the window, restore its position, give
//               the keyboard focus), Caption (the title bar), Focus (the
//               active element's widget takes the keyboard focus), Loaded
//               (the element widgets are created at the first load).
//   read once, when the window is created: name, caption, client size,
//               background colour, accessible name. The windows all carry
//               the program's icon, whatever hasIcon says.
//   read once, at the first load: the elements and their tab order.
//
// Element properties (ElementObserver)
//   observed:   Text, Visible, Enabled, Locked, Value, Geometry, Font,
//               Colors (back and fore colour, transparency), Appearance
//               (alignment, scroll bar, max length), Grid (cells, sizes,
//               cell formats), Decoration (below).
//   read once, when the element's widget is created: kind, name and
//               index, tab index (in the focus order or not), accessible
//               name, whether it has a right-click menu (its items are made
//               at every opening: Element::contextMenuItems), and for a text
//               box whether it has a key filter (onKeyPress) and whether it
//               is multi-line: these choose the widget.
//
// Decorations (decoration.h)
//   What an addition lays over an element for the user to see: a mark of
//   the whole element in one of several styles, and marks of single digits
//   of its text (marked, struck). The front end paints them over the
//   element's picture, changing none of its colours or texts, in styles a
//   user tells apart at a glance on every background colour and without
//   colour vision, and apart from the focus frame. Text boxes and grids show
//   the element's mark; multi-line text boxes the digit marks too. Printing
//   and the PDF file never show a decoration.
//
// Menus (menu.h)
//   An item's shortcut is shown beside its text; a disabled item is shown
//   greyed and cannot be chosen. The keyboard's menu keys (Shift+F10, the
//   Menu key) open the menu of Screen::menuElement() at that element.
//
// Keys
//   A key chord pressed on any element goes to its screen (Element::
//   pressChord) before the element's widget sees it; only a text box the
//   user edits freely keeps the chords it uses itself (paste, undo, the
//   cursor keys).
//
// Input, from the front end into the model
//   - A key that produces a character, on a box with a key filter, goes to
//     Element::pressKey of the model's focus element: the widget never edits
//     itself. A box without a key filter edits as usual and writes each
//     change with Element::setText.
//   - Every key press that is a key chord (key_chord.h: a key that produces
//     no character, or a letter or digit with Ctrl, each with its
//     modifiers) goes to Element::pressChord of the element it was pressed
//     on, or to Screen::pressChord when no element has the focus; both hand
//     it to the screen's one chord handler. The front end maps every key it
//     can by the key, not its text, and passes a chord that was not handled
//     on to the widget as if the model had not seen it.
//   - Clicks go to Element::click, the right-click menu's choice to its
//     item's action, the title bar's close button to Screen::closeRequested,
//     a focus change by the user to Screen::setFocus.
//   - Element::pressKey, click and pressChord, and Screen::pressChord, run
//     their handlers inside Application::runUserEvent themselves; whatever
//     else runs the program's code for the user (a free box's setText, a
//     menu item's action, closeRequested) the front end runs inside it, so
//     that the input listeners are told after each (application.h).
//   - Ending the program (Platform::programEnded) destroys nothing: the
//     front end leaves its event loop and the objects go in the order above.

namespace toolkit {

class Element;
class Screen;

// What changed on an element.
enum class Property {
    Text,
    Visible,
    Enabled,
    Locked,
    Value,
    Geometry,
    Font,
    Colors,
    Appearance,  // alignment, multi-line, scroll bar, max length
    Grid,        // grid contents, sizes or cell formats
    Decoration,  // the marks an addition lays over the element
};

class ElementObserver {
  public:
    virtual ~ElementObserver() = default;
    virtual void elementChanged(Element& element, Property property) = 0;
};

// What changed on a screen.
enum class ScreenProperty { Visible, Caption, Focus, Loaded };

class ScreenObserver {
  public:
    virtual ~ScreenObserver() = default;
    virtual void screenChanged(Screen& screen, ScreenProperty property) = 0;
};

}  // namespace toolkit
