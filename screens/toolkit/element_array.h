// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "screens/toolkit/element.h"

namespace toolkit {

// An indexed array of elements with indexes 0 to its upper bound. An index
// below 0 raises failure 341, one above the upper bound failure 340.
class ElementArray {
  public:
    ElementArray(Screen& screen, ElementKind kind, const std::string& name, int upperBound);

    Element& operator()(int index) const;
    int upperBound() const { return static_cast<int>(elements_.size()) - 1; }
    const std::string& name() const { return name_; }

  private:
    std::string name_;
    std::vector<std::unique_ptr<Element>> elements_;
};

}  // namespace toolkit
