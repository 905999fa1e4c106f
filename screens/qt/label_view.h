// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include "screens/qt/element_view.h"

namespace qtfront {

// A label: its caption wraps at the label's width and stands at the top, as
// the program's labels do; a click on it is the element's click.
class LabelView : public ElementView {
    Q_OBJECT
  public:
    LabelView(toolkit::Element& element, QWidget* parent);
    QLabel* label() const { return static_cast<QLabel*>(widget()); }

  protected:
    void applyText() override;
    void applyAppearance() override;
    void applyColors() override;
};

}  // namespace qtfront
