// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

#include "screens/qt/element_view.h"

namespace qtfront {

// A command button in its own background colour; a click (mouse, space or
// Enter) is the element's click.
class ButtonView : public ElementView {
    Q_OBJECT
  public:
    ButtonView(toolkit::Element& element, QWidget* parent);
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }

  protected:
    void applyText() override;
    void applyColors() override;
    bool clickOnMouseRelease() const override { return false; }
};

}  // namespace qtfront
