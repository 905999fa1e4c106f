#include "screens/qt/element_view_factory.h"

#include "screens/qt/button_view.h"
#include "screens/qt/check_box_view.h"
#include "screens/qt/label_view.h"
#include "screens/qt/text_box_view.h"

namespace qtfront {

namespace {

// An element kind without a view of its own yet: a plain area at the
// element's place in its background colour.
class PlainView : public ElementView {
  public:
    PlainView(toolkit::Element& element, QWidget* parent)
        : ElementView(element, new QWidget(parent)) {}

  protected:
    void applyColors() override { setColors(QPalette::Window, QPalette::WindowText, true); }
};

}  // namespace

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
            view = std::make_unique<PlainView>(element, parent);
            break;
    }
    view->refreshAll();
    return view;
}

}  // namespace qtfront
