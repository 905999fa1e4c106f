// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/program_style.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

namespace qtfront {

namespace {

class IconKeepingStyle : public QProxyStyle {
  public:
    IconKeepingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override {
        // An option may ask for another state; those are made each time.
        if (option) return QProxyStyle::standardIcon(standardIcon, option, widget);
        // Arrows point the other way in a right-to-left layout.
        const Qt::LayoutDirection direction =
            widget ? widget->layoutDirection() : QApplication::layoutDirection();
        const auto key = std::make_pair(int(standardIcon), int(direction));
        auto kept = icons_.constFind(key);
        if (kept == icons_.constEnd())
            kept = icons_.insert(key, QProxyStyle::standardIcon(standardIcon, nullptr, widget));
        return *kept;
    }

  private:
    mutable QHash<std::pair<int, int>, QIcon> icons_;
};

}  // namespace

QStyle* programStyle() {
    return new IconKeepingStyle;
}

}  // namespace qtfront
