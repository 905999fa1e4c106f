// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/qt_front_end.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <stdexcept>

#include "screens/qt/qt_platform.h"

namespace qtfront {

QtFrontEnd::QtFrontEnd(QtPlatform& platform, toolkit::Application& application)
    : platform_(platform), application_(application) {
    if (&application_.platform() != &platform_)
        throw std::invalid_argument("the front end's platform is not the application's");
    // Qt's own texts (the text fields' context menus, the file and print
    // dialogs) in German, whatever the user's locale: every other text of
    // the program is German. Without Qt's translations they stay English.
    auto german = std::make_unique<QTranslator>();
    if (german->load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(german.get()))
        qtTexts_ = std::move(german);
    for (toolkit::Screen* screen : application_.screens())
        windows_.push_back(std::make_unique<ScreenWindow>(*screen));
    // Attached last: if anything above throws, no destructor runs to detach.
    platform_.attach(*this);
}

QtFrontEnd::~QtFrontEnd() {
    platform_.detach(*this);
    if (qtTexts_) QCoreApplication::removeTranslator(qtTexts_.get());
}

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
