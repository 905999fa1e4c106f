// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/numbers.h"

#include <charconv>
#include <cmath>
#include <string>

#include "screens/toolkit/failure.h"

namespace toolkit {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where the first significant digit of the collected number stands, as a
// power of ten: 1 for "5", 3 for "123", 0 for "0.5", -2 for "0.005", plus
// the exponent. Only its sign is used, to tell overflow from underflow.
long decimalMagnitude(const std::string& number) {
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string::npos) {
        bool negative = false;
        for (std::size_t i = e + 1; i < number.size(); ++i) {
            if (number[i] == '-') negative = true;
            // Clamped: only far beyond any double's range, never wrapping.
            else if (exponent < 100000)
                exponent = exponent * 10 + (number[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    std::size_t point = mantissa.find('.');
    if (point == std::string::npos) point = mantissa.size();
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return -100000;  // zero is never out of range
    const long digits =
        first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
    return digits + exponent;
}

}  // namespace

double val(std::string_view text) {
    // Collect the characters of the leading number, skipping blanks anywhere in it.
    std::string number;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number += text[i++];
        skipBlanks();
    }
    bool digits = false;
    // Digits up to the next character that is neither a digit nor a blank.
    auto takeDigits = [&] {
        for (; i < text.size(); ++i) {
            if (std::isdigit(static_cast<unsigned char>(text[i]))) {
                number += text[i];
                digits = true;
            } else if (!isBlank(text[i])) {
                break;
            }
        }
    };
    takeDigits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        takeDigits();
    }
    if (!digits) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        while (j < text.size() && isBlank(text[j])) ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool exponentDigits = false;
        while (j < text.size() &&
               (std::isdigit(static_cast<unsigned char>(text[j])) || isBlank(text[j]))) {
            if (!isBlank(text[j])) {
                exponent += text[j];
                exponentDigits = true;
            }
            ++j;
        }
        if (exponentDigits) number += exponent;
    }
    // std::from_chars reads the point as the decimal separator whatever the
    // locale (std::strtod would follow LC_NUMERIC, which QApplication sets
    // from the environment). It takes no leading plus sign.
    const char* first = number.data();
    if (*first == '+') ++first;
    double result = 0.0;
    const auto [end, ec] = std::from_chars(first, number.data() + number.size(), result);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the result unset: a number too large overflows,
        // one too small is zero.
        if (decimalMagnitude(number) > 0) throw Failure(failure_overflow, "overflow");
        return 0.0;
    }
    return result;
}

Integer toInteger(double value) {
    double rounded = std::nearbyint(value);  // the default rounding mode rounds halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw Failure(failure_overflow, "overflow");
    return static_cast<Integer>(rounded);
}

Integer add(Integer a, int b) {
    return toInteger(static_cast<double>(a) + b);
}

std::string numberText(double value) {
    if (value == 0.0) return "0";  // also for -0
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string numberStr(double value) {
    std::string text = numberText(value);
    return value < 0 ? text : " " + text;
}

}  // namespace toolkit
