// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/button_view.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>

#include "screens/qt/units.h"

namespace qtfront {

namespace {

// A command button drawn flat in its own colour with a raised edge, as the
// program's buttons look: the style's gradients would wash the colour out.
// Enter on a focused button presses it, as space does.
class PushButton : public QPushButton {
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
        QPainter painter(this);
        const QColor colour = palette().color(QPalette::Button);
        const QPalette bevel(colour);  // light and shadow derived from the colour
        QRect frame = rect();
        if (hasFocus()) {
            // The focused button carries a black outline.
            painter.setPen(Qt::black);
            painter.drawRect(frame.adjusted(0, 0, -1, -1));
            frame.adjust(1, 1, -1, -1);
        }
        const QBrush fill(colour);
        qDrawWinButton(&painter, frame, bevel, isDown(), &fill);

        QRect textArea = frame.adjusted(2, 2, -2, -2);
        if (isDown()) textArea.translate(1, 1);
        painter.setFont(font());
        const int alignment = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (isEnabled()) {
            painter.setPen(palette().color(QPalette::ButtonText));
            painter.drawText(textArea, alignment, text());
        } else {
            // Disabled: the caption engraved in grey.
            painter.setPen(Qt::white);
            painter.drawText(textArea.translated(1, 1), alignment, text());
            painter.setPen(QColor(128, 128, 128));
            painter.drawText(textArea, alignment, text());
        }
        if (hasFocus()) {
            // And a dotted rectangle around its caption.
            const QRect target = painter.boundingRect(textArea, alignment, text())
                                     .adjusted(-2, -1, 2, 1)
                                     .intersected(frame.adjusted(3, 3, -3, -3));
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(target.adjusted(0, 0, -1, -1));
        }
    }
};

}  // namespace

ButtonView::ButtonView(toolkit::Element& element, QWidget* parent)
    : ElementView(element, new PushButton(parent)) {
    button()->setAutoDefault(false);
    connect(button(), &QPushButton::clicked, this, [this] { this->element().click(); });
}

void ButtonView::applyText() {
    button()->setText(shownCaption(element().text()));
}

void ButtonView::applyColors() {
    setColors(QPalette::Button, QPalette::ButtonText, false);
}

}  // namespace qtfront
