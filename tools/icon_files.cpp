// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes the program's icon as the pictures that are installed,
//   sudoku-icon PNG-FILE SVG-FILE
// both from the one design in screens/look.h.

#include <QImage>
#include <cstdio>
#include <fstream>

#include "screens/program_icon.h"
#include "screens/qt/picture_image.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PNG-FILE SVG-FILE\n", argv[0]);
        return 2;
    }
    if (!qtfront::pictureImage(program_icon::picture())
             .save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    std::ofstream svg(argv[2], std::ios::binary);
    svg << program_icon::svg();
    svg.close();
    if (!svg) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
