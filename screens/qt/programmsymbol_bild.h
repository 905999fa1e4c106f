// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace qtfront {

// The program's icon (see programmsymbol.h) as a 16 x 16 picture.
QImage programmsymbolBild();

}  // namespace qtfront
