// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "screens/toolkit/element.h"

class QKeyEvent;

namespace qtfront {

class ElementMarks;

// Keeps one widget in step with one model element: the element's observer.
// Each element kind has its own view (see element_view_factory.h); the base
// class handles what all kinds share: geometry, visibility, enabled state,
// font, colours, the focus and clicks.
class ElementView : public QObject, public toolkit::ElementObserver {
    Q_OBJECT
  public:
    ElementView(toolkit::Element& element, QWidget* widget);
    ~ElementView() override;

    toolkit::Element& element() const { return element_; }
    QWidget* widget() const { return widget_; }

    // Applies every property of the element to the widget; the factory calls
    // it once after construction.
    void refreshAll();

    void elementChanged(toolkit::Element& element, toolkit::Property property) override;

    // Opens the element's right-click menu with its top-left corner at the
    // place (global coordinates); the element takes the focus first, as
    // with a click, then the chosen item's action runs.
    void openContextMenu(const QPoint& place);
    // Where the keyboard's menu keys open the element's menu: at its middle.
    QPoint keyboardMenuPlace() const;

  protected:
    virtual void applyText() {}
    virtual void applyLocked() {}
    virtual void applyValue() {}
    virtual void applyAppearance() {}
    // A grid's contents, sizes or cell formats.
    virtual void applyGrid() {}
    virtual void applyFont();
    // Sets the background and text colours; the roles differ by kind.
    virtual void applyColors() = 0;
    void applyGeometry();
    void applyVisible();
    void applyEnabled();
    void giveUpFocus();

    // Helpers for applyColors(): background and text roles of the palette;
    // unset colours stay the system's.
    void setColors(QPalette::ColorRole background, QPalette::ColorRole text, bool fillBackground);

    // Watches the widget for the focus coming in and for clicks.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether a mouse release on the widget is the element's click. Buttons
    // and check boxes report their clicks through their own signals.
    virtual bool clickOnMouseRelease() const { return true; }
    // Takes the clicks from another widget (a scroll area's viewport).
    void watchMouse(QWidget* source);
    // Where digit d of the element's text stands in the widget, for the
    // decoration's digit marks; empty: not shown, or not known.
    virtual QRect digitPlace(int /*digit*/) const { return {}; }
    // Whether the widget is a text field the user edits as usual, with its
    // own editing keys and menu.
    virtual bool editsFreely() const { return false; }

  private:
    // A key pressed on the widget; true when it was used up here.
    bool keyPressed(const QKeyEvent& event);

    toolkit::Element& element_;
    QPointer<QWidget> widget_;
    QWidget* mouseSource_ = nullptr;
    ElementMarks* marks_ = nullptr;  // a child of the widget
};

}  // namespace qtfront
