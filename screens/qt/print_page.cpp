// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/print_page.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>

#include "screens/qt/element_marks.h"

namespace qtfront {

QTransform pageTransform(QSize image, QSizeF page) {
    if (image.isEmpty()) return {};
    const double factor = std::min(page.width() / image.width(), page.height() / image.height());
    QTransform transform;
    transform.translate((page.width() - image.width() * factor) / 2,
                        (page.height() - image.height() * factor) / 2);
    transform.scale(factor, factor);
    return transform;
}

bool printPage(QWidget& window, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter's origin is the printable area's top-left corner.
    const QSizeF page(device.width(), device.height());
    painter.setTransform(pageTransform(window.size(), page));
    // The paper shows the window without the marks of the keyboard focus
    // (no caret, no focus frame) and without decorations. They come back at
    // once.
    QPointer<QWidget> focusedWidget = window.focusWidget();
    if (focusedWidget) focusedWidget->clearFocus();
    const QList<ElementMarks*> marks = window.findChildren<ElementMarks*>();
    for (ElementMarks* mark : marks) mark->setPrinting(true);
    window.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    for (ElementMarks* mark : marks) mark->setPrinting(false);
    if (focusedWidget) focusedWidget->setFocus(Qt::OtherFocusReason);
    return painter.end();
}

}  // namespace qtfront
