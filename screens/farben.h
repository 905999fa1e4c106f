// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/toolkit/element.h"

// Colours shared by the screens.
namespace farben {

inline constexpr toolkit::Rgb hintergrund{192, 255, 255};    // screen background
inline constexpr toolkit::Rgb schaltflaeche{255, 128, 255};  // buttons
inline constexpr toolkit::Rgb titel{192, 0, 192};            // start screen texts

}  // namespace farben
