// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/seite_drucken.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace qtfront {

QTransform seitenAbbildung(QSize bild, QSizeF seite) {
    if (bild.isEmpty()) return {};
    const double faktor = std::min(seite.width() / bild.width(), seite.height() / bild.height());
    QTransform abbildung;
    abbildung.translate((seite.width() - bild.width() * faktor) / 2,
                        (seite.height() - bild.height() * faktor) / 2);
    abbildung.scale(faktor, faktor);
    return abbildung;
}

bool seiteDrucken(QWidget& fenster, QPagedPaintDevice& geraet) {
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    // The painter's origin is the printable area's top-left corner.
    const QSizeF seite(geraet.width(), geraet.height());
    maler.setTransform(seitenAbbildung(fenster.size(), seite));
    // The paper shows the window without the marks of the keyboard focus:
    // no caret, no focus frame. The focus comes back at once.
    QPointer<QWidget> fokus = fenster.focusWidget();
    if (fokus) fokus->clearFocus();
    fenster.render(&maler, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (fokus) fokus->setFocus(Qt::OtherFocusReason);
    return maler.end();
}

}  // namespace qtfront
