// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace qtfront {

// The program's icon (see program_icon.h) as a 16 x 16 picture.
QImage programIconImage();

}  // namespace qtfront
