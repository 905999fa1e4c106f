// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/element_marks.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace qtfront {

namespace {

constexpr int focus_width = 3;
// Every decoration is drawn in one dark colour: it stands out on each of
// the nine square colours (contrast 5:1 or more), and the styles tell the
// marks apart where colours do not.
const QColor mark_colour(0, 0, 96);

void paintMark(QPainter& painter, QRect area, toolkit::ElementMark mark) {
    using toolkit::ElementMark;
    // The marks scale with the element: a board cell is about 25 pixels.
    const int unit = std::max(1, std::min(area.width(), area.height()) / 25);
    const QRect inner = area.adjusted(focus_width, focus_width, -focus_width, -focus_width);
    // A frame of this width; dashes and gaps in widths, none: solid.
    auto frame = [&](int width, QList<qreal> dashes) {
        QPen pen(mark_colour, width * unit, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (!dashes.isEmpty()) pen.setDashPattern(dashes);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const double half = width * unit / 2.0;
        painter.drawRect(QRectF(inner).adjusted(half, half, -half, -half));
    };
    switch (mark) {
        case ElementMark::None:
            break;
        case ElementMark::Frame:
            frame(3, {});
            break;
        case ElementMark::Dashed:
            // Short dashes, three or so a side: no corner mark.
            frame(2, {2.5, 2});
            break;
        case ElementMark::Dotted:
            // Square dots with wide gaps.
            frame(2, {1, 1.5});
            break;
        case ElementMark::Hatched: {
            painter.save();
            painter.setClipRect(inner);
            // Thin and wide apart, so that a digit stays legible beneath.
            painter.setPen(QPen(mark_colour, unit));
            const int step = 6 * unit;
            for (int x = inner.left() - inner.height(); x < inner.right(); x += step)
                painter.drawLine(QPointF(x, inner.bottom() + 1),
                                 QPointF(x + inner.height(), inner.top()));
            painter.restore();
            break;
        }
        case ElementMark::Corners: {
            const int arm = 7 * unit, width = 3 * unit;
            for (const QPoint corner :
                 {inner.topLeft(), inner.topRight() + QPoint(1, 0),
                  inner.bottomLeft() + QPoint(0, 1), inner.bottomRight() + QPoint(1, 1)}) {
                const int dx = corner.x() == inner.left() ? 1 : -1;
                const int dy = corner.y() == inner.top() ? 1 : -1;
                painter.fillRect(QRect(corner, corner + QPoint(dx * arm, dy * width)).normalized(),
                                 mark_colour);
                painter.fillRect(QRect(corner, corner + QPoint(dx * width, dy * arm)).normalized(),
                                 mark_colour);
            }
            break;
        }
        case ElementMark::Underline: {
            const int height = 3 * unit;
            const int width = inner.width() * 3 / 5;
            painter.fillRect(inner.left() + (inner.width() - width) / 2,
                             inner.bottom() + 1 - height, width, height, mark_colour);
            break;
        }
    }
}

void paintDigitMark(QPainter& painter, QRect place, toolkit::DigitMark mark) {
    if (place.isEmpty() || mark == toolkit::DigitMark::None) return;
    painter.setBrush(Qt::NoBrush);
    if (mark == toolkit::DigitMark::Marked) {
        // A ring around the digit.
        painter.setPen(QPen(mark_colour, 1.5));
        painter.drawEllipse(QRectF(place).adjusted(-2.5, -0.5, 2.5, 0.5));
    } else {
        // Struck through from corner to corner, the digit still legible.
        painter.setPen(QPen(mark_colour, 2, Qt::SolidLine, Qt::RoundCap));
        const QRectF r = QRectF(place).adjusted(-1.5, 1.5, 1.5, -1.5);
        painter.drawLine(r.bottomLeft(), r.topRight());
    }
}

}  // namespace

ElementMarks::ElementMarks(QWidget* target, bool showsFocus, DigitPlace digitPlace)
    : QFocusFrame(target),
      target_(target),
      showsFocus_(showsFocus),
      digitPlace_(std::move(digitPlace)) {
    hide();
    target_->installEventFilter(this);
}

void ElementMarks::setDecoration(const toolkit::Decoration& decoration) {
    decoration_ = decoration;
    updateShown();
    update();
}

void ElementMarks::setPrinting(bool printing) {
    printing_ = printing;
    updateShown();
}

void ElementMarks::updateShown() {
    const bool shown = !printing_ && ((showsFocus_ && focused_) || !decoration_.empty());
    if (shown == isVisible()) return;
    if (shown) {
        setGeometry(target_->rect());
        raise();
    }
    setVisible(shown);
}

bool ElementMarks::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_) return false;
    switch (event->type()) {
        case QEvent::FocusIn:
            focused_ = true;
            updateShown();
            update();
            break;
        case QEvent::FocusOut:
            // A context menu borrows the focus: the mark stays meanwhile.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                focused_ = false;
                updateShown();
                update();
            }
            break;
        case QEvent::Resize:
            setGeometry(target_->rect());
            break;
        default:
            break;
    }
    return false;
}

void ElementMarks::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintMark(painter, r, decoration_.mark);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (digitPlace_)
        for (int d = 0; d <= 9; ++d)
            if (decoration_.digits[d] != toolkit::DigitMark::None)
                paintDigitMark(painter, digitPlace_(d), decoration_.digits[d]);
    if (showsFocus_ && focused_) {
        const QColor colour(Qt::black);
        painter.fillRect(r.left(), r.top(), r.width(), focus_width, colour);
        painter.fillRect(r.left(), r.bottom() + 1 - focus_width, r.width(), focus_width, colour);
        painter.fillRect(r.left(), r.top(), focus_width, r.height(), colour);
        painter.fillRect(r.right() + 1 - focus_width, r.top(), focus_width, r.height(), colour);
    }
}

}  // namespace qtfront
