// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/button_view.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>

#include "screens/qt/umrechnung.h"

namespace qtfront {

namespace {

// A command button drawn flat in its own colour with a raised edge, as the
// program's buttons look: the style's gradients would wash the colour out.
// Enter on a focused button presses it, as space does.
class Schaltflaeche : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            event->modifiers() == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        const QColor farbe = palette().color(QPalette::Button);
        const QPalette kante(farbe);  // light and shadow derived from the colour
        QRect rahmen = rect();
        if (hasFocus()) {
            // The focused button carries a black outline.
            maler.setPen(Qt::black);
            maler.drawRect(rahmen.adjusted(0, 0, -1, -1));
            rahmen.adjust(1, 1, -1, -1);
        }
        const QBrush fuellung(farbe);
        qDrawWinButton(&maler, rahmen, kante, isDown(), &fuellung);

        QRect textFlaeche = rahmen.adjusted(2, 2, -2, -2);
        if (isDown()) textFlaeche.translate(1, 1);
        maler.setFont(font());
        const int ausrichtung = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (isEnabled()) {
            maler.setPen(palette().color(QPalette::ButtonText));
            maler.drawText(textFlaeche, ausrichtung, text());
        } else {
            // Disabled: the caption engraved in grey.
            maler.setPen(Qt::white);
            maler.drawText(textFlaeche.translated(1, 1), ausrichtung, text());
            maler.setPen(QColor(128, 128, 128));
            maler.drawText(textFlaeche, ausrichtung, text());
        }
        if (hasFocus()) {
            // And a dotted rectangle around its caption.
            const QRect ziel = maler.boundingRect(textFlaeche, ausrichtung, text())
                                   .adjusted(-2, -1, 2, 1)
                                   .intersected(rahmen.adjusted(3, 3, -3, -3));
            QPen punkte(Qt::black, 1, Qt::DotLine);
            maler.setPen(punkte);
            maler.drawRect(ziel.adjusted(0, 0, -1, -1));
        }
    }
};

}  // namespace

ButtonView::ButtonView(toolkit::Element& element, QWidget* parent)
    : ElementView(element, new Schaltflaeche(parent)) {
    button()->setAutoDefault(false);
    connect(button(), &QPushButton::clicked, this, [this] { this->element().click(); });
}

void ButtonView::applyText() {
    button()->setText(anzeigeText(element().text()));
}

void ButtonView::applyColors() {
    setColors(QPalette::Button, QPalette::ButtonText, false);
}

}  // namespace qtfront
