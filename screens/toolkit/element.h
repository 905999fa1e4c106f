// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "screens/toolkit/decoration.h"
#include "screens/toolkit/front_end.h"
#include "screens/toolkit/key_chord.h"
#include "screens/toolkit/menu.h"

namespace toolkit {

class Screen;

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

enum class ElementKind { TextBox, Label, Button, CheckBox, Grid };

enum class Alignment { Left, Center };

// One element of a screen: text box, label, button, check box or grid. It holds
// every property the program sets or reads and raises the program's events.
class Element {
  public:
    Element(Screen& screen, ElementKind kind, std::string name, int index = -1);
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    Screen& screen() const { return screen_; }
    ElementKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // "txt_m(5)" for an array element, the plain name otherwise.
    std::string fullName() const;

    // Text of a text box, caption of a label, button or check box. Setting a
    // text box's text to a different value raises its change event at once,
    // before the setter returns.
    const std::string& text() const { return text_; }
    void setText(const std::string& text);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    // Check box state: 0 unchecked, 1 checked.
    int value() const { return value_; }
    void setValue(int value);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void move(int left, int top, int width, int height);

    const Font& font() const { return font_; }
    void setFont(const Font& font);
    bool italic() const { return font_.italic; }
    void setItalic(bool italic);

    // Unset colours are the system's defaults.
    const std::optional<Rgb>& foreColor() const { return foreColor_; }
    const std::optional<Rgb>& backColor() const { return backColor_; }
    void setForeColor(std::optional<Rgb> color);
    void setBackColor(std::optional<Rgb> color);
    // A label without a background of its own shows the screen through it.
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool multiLine);
    bool verticalScrollBar() const { return verticalScrollBar_; }
    void setVerticalScrollBar(bool scrollBar);
    // Most characters the user may type; 0 = no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int maxLength);

    // Position in the screen's keyboard focus order; -1 = not in it.
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int tabIndex) { tabIndex_ = tabIndex; }
    // What a screen reader calls the element ("Zeile 3, Spalte 5"); empty:
    // the toolkit's own name, a label's caption for instance. Set with the
    // layout; a front end reads it once.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name) { accessibleName_ = std::move(name); }
    // Whether the element can take the input focus now.
    bool canTakeFocus() const;

    // Event handlers, set by the screen that owns the element.
    std::function<void()> onChange;
    std::function<void(int& code)> onKeyPress;
    std::function<void()> onClick;

    // The right-click menu, or none. Whether there is one is read once by a
    // front end; the items are made at every opening.
    void setContextMenu(std::shared_ptr<const ContextMenu> menu) { contextMenu_ = std::move(menu); }
    bool hasContextMenu() const { return contextMenu_ != nullptr; }
    // The menu's items as they stand now; none without a menu.
    std::vector<MenuItem> contextMenuItems();

    // What an addition lays over the element (decoration.h); never part of
    // the layout, never printed.
    const Decoration& decoration() const { return decoration_; }
    void setDecoration(const Decoration& decoration);

    // A user's key press on this element: runs the key filter, then types the
    // character that survives into the element.
    void pressKey(int code);
    // Types one character (its code) into a text box as the user would.
    void typeCharacter(int code);
    // A user's click: a check box toggles first, then the click event runs.
    void click();
    // A user's key chord on this element: the screen's chord handler decides
    // (Screen::pressChord). Returns whether it was handled.
    bool pressChord(KeyChord chord);

    // The front end's observer of this element (see front_end.h): one at a
    // time; null detaches it.
    void setObserver(ElementObserver* observer);

  protected:
    void notify(Property property);

  private:
    Screen& screen_;
    ElementKind kind_;
    std::string name_;
    int index_;
    std::string text_;
    bool visible_ = true;
    bool enabled_ = true;
    bool locked_ = false;
    int value_ = 0;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Font font_;
    std::optional<Rgb> foreColor_;
    std::optional<Rgb> backColor_;
    bool transparent_ = false;
    Alignment alignment_ = Alignment::Left;
    bool multiLine_ = false;
    bool verticalScrollBar_ = false;
    int maxLength_ = 0;
    int tabIndex_ = -1;
    std::string accessibleName_;
    std::shared_ptr<const ContextMenu> contextMenu_;
    Decoration decoration_;
    ElementObserver* observer_ = nullptr;
};

}  // namespace toolkit
