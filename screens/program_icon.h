// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "screens/toolkit/picture.h"

// The program's icon, from its design in look.h: as the toolkit's picture for
// the windows and the installed 16 x 16 picture, and as a scalable picture.
namespace program_icon {

// The design as a picture of its size.
toolkit::Picture picture();

// The design as an SVG document with a 16 x 16 user space.
std::string svg();

}  // namespace program_icon
