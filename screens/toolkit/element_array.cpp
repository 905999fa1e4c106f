// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/element_array.h"

#include "screens/toolkit/failure.h"

namespace toolkit {

ElementArray::ElementArray(Screen& screen, ElementKind kind, const std::string& name,
                           int upperBound)
    : name_(name) {
    for (int i = 0; i <= upperBound; ++i)
        elements_.push_back(std::make_unique<Element>(screen, kind, name, i));
}

Element& ElementArray::operator()(int index) const {
    if (index < 0)
        throw Failure(fehler_element_index_ungueltig,
                      "Ungültiger Index " + std::to_string(index) + " für " + name_);
    if (index > upperBound())
        throw Failure(fehler_element_fehlt,
                      "Element " + name_ + "(" + std::to_string(index) + ") fehlt");
    return *elements_[static_cast<std::size_t>(index)];
}

}  // namespace toolkit
