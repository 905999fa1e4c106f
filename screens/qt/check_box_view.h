// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

#include "screens/qt/element_view.h"

namespace qtfront {

// A check box. The box does not toggle itself: a click toggles the model's
// value (Element::click), and the box shows the value the model holds.
class CheckBoxView : public ElementView {
    Q_OBJECT
  public:
    CheckBoxView(toolkit::Element& element, QWidget* parent);
    QCheckBox* checkBox() const { return static_cast<QCheckBox*>(widget()); }

  protected:
    void applyText() override;
    void applyValue() override;
    void applyColors() override;
    bool clickOnMouseRelease() const override { return false; }
};

}  // namespace qtfront
