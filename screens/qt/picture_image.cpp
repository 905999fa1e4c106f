// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/picture_image.h"

#include <QPixmap>

namespace qtfront {

QImage pictureImage(const toolkit::Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    // Pixel by pixel rather than with a painter: this also runs in the build
    // tool that writes the installed picture, which has no application object.
    // Rectangles reaching past the edge are clipped.
    const QRect area = image.rect();
    for (const toolkit::PictureRect& f : picture.rects) {
        const QRect r = QRect(f.left, f.top, f.width, f.height).intersected(area);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                image.setPixel(x, y, qRgb(f.colour.r, f.colour.g, f.colour.b));
    }
    return image;
}

QIcon pictureIcon(const toolkit::Picture& picture) {
    if (picture.empty()) return QIcon();
    return QIcon(QPixmap::fromImage(pictureImage(picture)));
}

}  // namespace qtfront
