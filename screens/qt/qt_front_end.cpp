#include "screens/qt/qt_front_end.h"

namespace qtfront {

QtFrontEnd::QtFrontEnd(toolkit::Application& application) : application_(application) {
    for (toolkit::Screen* screen : application_.screens())
        windows_.push_back(std::make_unique<ScreenWindow>(*screen));
}

QtFrontEnd::~QtFrontEnd() = default;

ScreenWindow* QtFrontEnd::window(const toolkit::Screen& screen) const {
    for (const auto& w : windows_)
        if (&w->screen() == &screen) return w.get();
    return nullptr;
}

QWidget* QtFrontEnd::widget(const toolkit::Element& element) const {
    ScreenWindow* w = window(element.screen());
    return w ? w->widgetOf(element) : nullptr;
}

QWidget* QtFrontEnd::activeWindow() const {
    toolkit::Screen* screen = application_.visibleScreen();
    return screen ? window(*screen) : nullptr;
}

}  // namespace qtfront
