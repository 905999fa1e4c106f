// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QStyle;

namespace qtfront {

// The program's look: Qt's Fusion style, with each standard icon made once
// and handed out again. Fusion makes a new icon for every request, and
// every new icon leaves its scaled copies in Qt's pixmap cache; a file
// dialog asks for a dozen each time it opens. The application takes
// ownership of the style (QApplication::setStyle).
QStyle* programStyle();

}  // namespace qtfront
