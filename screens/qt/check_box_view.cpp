// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/check_box_view.h"

#include "screens/qt/umrechnung.h"

namespace qtfront {

namespace {

class Kontrollkaestchen : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    // The model toggles the value; the box only shows it.
    void nextCheckState() override {}
};

}  // namespace

CheckBoxView::CheckBoxView(toolkit::Element& element, QWidget* parent)
    : ElementView(element, new Kontrollkaestchen(parent)) {
    // Buttons fill with the button colour; a check box shows its own background.
    checkBox()->setBackgroundRole(QPalette::Window);
    connect(checkBox(), &QCheckBox::clicked, this, [this] { this->element().click(); });
}

void CheckBoxView::applyText() {
    checkBox()->setText(anzeigeText(element().text()));
}

void CheckBoxView::applyValue() {
    checkBox()->setChecked(element().value() == 1);
}

void CheckBoxView::applyColors() {
    setColors(QPalette::Window, QPalette::WindowText, true);
}

}  // namespace qtfront
