#include "screens/qt/seite_drucken.h"

#include <QPagedPaintDevice>
#include <QPainter>
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
    fenster.render(&maler, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return maler.end();
}

}  // namespace qtfront
