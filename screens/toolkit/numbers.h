// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

// The program's 16-bit signed Integer.
using Integer = std::int16_t;

// Flag values: a 16-bit truth value.
constexpr Integer True = -1;
constexpr Integer False = 0;

inline Integer flag(bool b) {
    return b ? True : False;
}

// Lenient text-to-number parse: blanks are ignored, the leading decimal number
// (sign, digits, decimal point, exponent) is taken, a text without one gives 0.
double val(std::string_view text);

// Rounds to an Integer with halves to even; outside -32768..32767 throws the
// overflow failure (6).
Integer toInteger(double value);

// Checked Integer addition: a result outside the 16-bit range throws failure 6.
Integer add(Integer a, int b);

// A number as plain decimal text, without leading blank ("7", "12", "-3", "8.25").
std::string numberText(double value);

// A number with the sign position: a blank before non-negative numbers (" 23").
std::string numberStr(double value);

}  // namespace toolkit
