// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/toolkit/element.h"

// Colours shared by the screens.
namespace colours {

inline constexpr toolkit::Rgb background{192, 255, 255};  // screen background
inline constexpr toolkit::Rgb button{255, 128, 255};      // buttons
inline constexpr toolkit::Rgb title{192, 0, 192};         // start screen texts

}  // namespace colours
