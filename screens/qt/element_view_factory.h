// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "screens/qt/element_view.h"

namespace qtfront {

// Creates the widget and its view for one element, by the element's kind,
// with every property applied. A new element kind gets its view class and
// one case here.
std::unique_ptr<ElementView> createElementView(toolkit::Element& element, QWidget* parent);

}  // namespace qtfront
