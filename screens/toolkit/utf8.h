// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace toolkit {

// Appends the character (its code point) to a UTF-8 text.
void appendUtf8(std::string& text, char32_t character);

}  // namespace toolkit
