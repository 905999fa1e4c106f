// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/program_icon_image.h"

#include "screens/program_icon.h"

namespace qtfront {

QImage programIconImage() {
    QImage image(program_icon::size, program_icon::size, QImage::Format_RGB32);
    // Pixel by pixel rather than with a painter: this also runs in the build
    // tool that writes the installed picture, which has no application object.
    for (const program_icon::Rect& f : program_icon::rects())
        for (int y = f.top; y < f.top + f.height; ++y)
            for (int x = f.left; x < f.left + f.width; ++x)
                image.setPixel(x, y, qRgb(f.colour.r, f.colour.g, f.colour.b));
    return image;
}

}  // namespace qtfront
