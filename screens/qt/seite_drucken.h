// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSize>
#include <QTransform>

class QPagedPaintDevice;
class QWidget;

namespace qtfront {

// Where a picture of the given size lies on a page's printable area: scaled
// to fit it, keeping the proportions, and centred.
QTransform seitenAbbildung(QSize bild, QSizeF seite);

// Draws the window's client area as it stands onto one page of the device
// (a printer, or a PDF file in tests). False when the device refuses.
bool seiteDrucken(QWidget& fenster, QPagedPaintDevice& geraet);

}  // namespace qtfront
