// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

#include "screens/toolkit/picture.h"

namespace qtfront {

// The toolkit's picture as an image of its size.
QImage pictureImage(const toolkit::Picture& picture);

// The picture as a window icon; a null icon for an empty picture.
QIcon pictureIcon(const toolkit::Picture& picture);

}  // namespace qtfront
