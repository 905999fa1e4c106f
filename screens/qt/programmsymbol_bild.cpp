// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/programmsymbol_bild.h"

#include "screens/programmsymbol.h"

namespace qtfront {

QImage programmsymbolBild() {
    QImage bild(programmsymbol::groesse, programmsymbol::groesse, QImage::Format_RGB32);
    // Pixel by pixel rather than with a painter: this also runs in the build
    // tool that writes the installed picture, which has no application object.
    for (const programmsymbol::Flaeche& f : programmsymbol::flaechen())
        for (int y = f.oben; y < f.oben + f.hoehe; ++y)
            for (int x = f.links; x < f.links + f.breite; ++x)
                bild.setPixel(x, y, qRgb(f.farbe.r, f.farbe.g, f.farbe.b));
    return bild;
}

}  // namespace qtfront
