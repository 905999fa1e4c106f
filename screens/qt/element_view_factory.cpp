// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/element_view_factory.h"

#include <stdexcept>

#include "screens/qt/button_view.h"
#include "screens/qt/check_box_view.h"
#include "screens/qt/grid_view.h"
#include "screens/qt/label_view.h"
#include "screens/qt/text_box_view.h"

namespace qtfront {

std::unique_ptr<ElementView> createElementView(toolkit::Element& element, QWidget* parent) {
    std::unique_ptr<ElementView> view;
    switch (element.kind()) {
        case toolkit::ElementKind::TextBox:
            view = std::make_unique<TextBoxView>(element, parent);
            break;
        case toolkit::ElementKind::Label:
            view = std::make_unique<LabelView>(element, parent);
            break;
        case toolkit::ElementKind::Button:
            view = std::make_unique<ButtonView>(element, parent);
            break;
        case toolkit::ElementKind::CheckBox:
            view = std::make_unique<CheckBoxView>(element, parent);
            break;
        case toolkit::ElementKind::Grid:
            // Only a toolkit::Grid holds cells; an array element of this kind
            // would be a programming error.
            if (auto* grid = dynamic_cast<toolkit::Grid*>(&element))
                view = std::make_unique<GridView>(*grid, parent);
            else
                throw std::logic_error(element.fullName() + " is no grid");
            break;
    }
    view->refreshAll();
    return view;
}

}  // namespace qtfront
