// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/label_view.h"

#include "screens/qt/umrechnung.h"

namespace qtfront {

LabelView::LabelView(toolkit::Element& element, QWidget* parent)
    : ElementView(element, new QLabel(parent)) {
    label()->setTextFormat(Qt::PlainText);
    label()->setWordWrap(true);
    label()->setMargin(0);
}

void LabelView::applyText() {
    label()->setText(anzeigeText(element().text()));
}

void LabelView::applyAppearance() {
    const Qt::Alignment horizontal =
        element().alignment() == toolkit::Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    label()->setAlignment(horizontal | Qt::AlignTop);
}

void LabelView::applyColors() {
    setColors(QPalette::Window, QPalette::WindowText, true);
}

}  // namespace qtfront
