// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/decoration.h"

namespace toolkit {

namespace {

const char* markName(ElementMark mark) {
    switch (mark) {
        case ElementMark::None:
            return "";
        case ElementMark::Frame:
            return "frame";
        case ElementMark::Dashed:
            return "dashed";
        case ElementMark::Dotted:
            return "dotted";
        case ElementMark::Hatched:
            return "hatched";
        case ElementMark::Corners:
            return "corners";
        case ElementMark::Underline:
            return "underline";
    }
    return "";
}

}  // namespace

std::string decorationText(const Decoration& decoration) {
    if (decoration.empty()) return "none";
    std::string text = markName(decoration.mark);
    for (const auto& [mark, word] :
         {std::pair{DigitMark::Marked, "marked"}, std::pair{DigitMark::Struck, "struck"}}) {
        std::string digits;
        for (int d = 0; d <= 9; ++d)
            if (decoration.digits[d] == mark) digits += " " + std::to_string(d);
        if (digits.empty()) continue;
        if (!text.empty()) text += " ";
        text += word + digits;
    }
    return text;
}

}  // namespace toolkit
