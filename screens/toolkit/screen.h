// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "screens/toolkit/element.h"

namespace toolkit {

class Application;

// A screen (window) of the program with its elements. It is loaded at its first
// showing, hidden and shown again with its state kept, and unloaded at the end.
class Screen {
  public:
    Screen(Application& application, std::string name);
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    Application& application() const { return application_; }
    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int width, int height);
    const std::optional<Rgb>& backColor() const { return backColor_; }
    void setBackColor(std::optional<Rgb> color) { backColor_ = color; }
    // Whether the window carries the program's small icon.
    bool hasIcon() const { return hasIcon_; }
    void setHasIcon(bool hasIcon) { hasIcon_ = hasIcon; }
    // What a screen reader calls the window: the screen's purpose, where the
    // title bar only reads "Form1". Set with the layout; read once.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name) { accessibleName_ = std::move(name); }

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    // Shows the screen, non-modal; the first showing loads it and runs its load
    // handler to completion before the screen becomes visible.
    void show();
    void hide();
    // Unloads the screen: hidden, marked unloaded; the program ends when no
    // screen is left. Nothing is destroyed, so a caller on the stack stays valid.
    void unload();

    // The user closed the window with the title bar's close button.
    virtual void closeRequested() {}
    // The screen's one handler of key chords (key_chord.h), whichever of its
    // elements has the focus: gets the chord and the element it was pressed
    // on (null when none has the focus); returns whether it handled it.
    std::function<bool(KeyChord chord, Element* element)> onChord;
    // A user's chord on the element (or on the screen itself): runs the
    // handler as one user event. A handler that failed counts as having
    // handled the chord: it was meant as a shortcut.
    bool pressChord(KeyChord chord, Element* element);

    // Every element in creation order, and the one with a name and index.
    const std::vector<Element*>& elements() const { return elements_; }
    Element* find(std::string_view name, int index = -1) const;
    // Elements with a tab index, in keyboard focus order.
    std::vector<Element*> tabOrder() const;

    // The element of this screen that has (or gets, when the screen is shown)
    // the input focus.
    Element* activeElement() const { return activeElement_; }
    void setFocus(Element& element);
    // The element whose right-click menu the keyboard's menu keys open: the
    // focused element when it has a menu, else the element with a menu that
    // last had the focus, else the first one with a menu in focus order
    // that can take the focus; null when the screen has none.
    Element* menuElement() const;
    // Called when an element is hidden or disabled: if it had the focus, the
    // focus moves on to the next element of the focus order that can take it.
    void focusableChanged(Element& element);

    // The front end's observer of this screen (see front_end.h): one at a
    // time; null detaches it.
    void setObserver(ScreenObserver* observer);
    // Called by Element's constructor.
    void registerElement(Element* element) { elements_.push_back(element); }

  protected:
    virtual void Form_Load() {}

  private:
    void focusFirst();
    void notify(ScreenProperty property);

    Application& application_;
    std::string name_;
    std::string caption_;
    int clientWidth_ = 0, clientHeight_ = 0;
    std::optional<Rgb> backColor_;
    bool hasIcon_ = false;
    std::string accessibleName_;
    bool loaded_ = false;
    bool visible_ = false;
    std::vector<Element*> elements_;
    Element* activeElement_ = nullptr;
    Element* lastMenuElement_ = nullptr;
    ScreenObserver* observer_ = nullptr;
};

}  // namespace toolkit
