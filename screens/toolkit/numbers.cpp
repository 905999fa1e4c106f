// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "screens/toolkit/failure.h"

namespace toolkit {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

double val(std::string_view text) {
    // Collect the characters of the leading number, skipping blanks anywhere in it.
    std::string number;
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < text.size() && is_blank(text[i])) ++i;
    };
    skip_blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number += text[i++];
        skip_blanks();
    }
    bool digits = false;
    // Digits up to the next character that is neither a digit nor a blank.
    auto take_digits = [&] {
        for (; i < text.size(); ++i) {
            if (std::isdigit(static_cast<unsigned char>(text[i]))) {
                number += text[i];
                digits = true;
            } else if (!is_blank(text[i])) {
                break;
            }
        }
    };
    take_digits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        take_digits();
    }
    if (!digits) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        while (j < text.size() && is_blank(text[j])) ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool exponent_digits = false;
        while (j < text.size() &&
               (std::isdigit(static_cast<unsigned char>(text[j])) || is_blank(text[j]))) {
            if (!is_blank(text[j])) {
                exponent += text[j];
                exponent_digits = true;
            }
            ++j;
        }
        if (exponent_digits) number += exponent;
    }
    double result = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(result)) throw Failure(fehler_ueberlauf, "Überlauf");
    return result;
}

Integer to_integer(double value) {
    double rounded = std::nearbyint(value);  // the default rounding mode rounds halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw Failure(fehler_ueberlauf, "Überlauf");
    return static_cast<Integer>(rounded);
}

Integer add(Integer a, int b) {
    return to_integer(static_cast<double>(a) + b);
}

std::string zahl_text(double value) {
    if (value == 0.0) return "0";  // also for -0
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string zahl_str(double value) {
    std::string text = zahl_text(value);
    return value < 0 ? text : " " + text;
}

}  // namespace toolkit
