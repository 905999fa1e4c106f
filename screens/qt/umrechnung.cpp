// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/umrechnung.h"

#include <cmath>

namespace qtfront {

int pixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QString anzeigeText(const std::string& text) {
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::string modellText(const QString& text) {
    QString result = text;
    result.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    result.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return result.toStdString();
}

QString schriftFamilie(const std::string& name) {
    // Lucida Handwriting: a flowing script face; URW's Z003 (a free Zapf
    // Chancery) is the closest script that Debian ships with the base fonts.
    if (name == "Lucida Handwriting") return QStringLiteral("Z003");
    // MS Sans Serif: a plain sans with Arial-like metrics.
    if (name == "MS Sans Serif") return QStringLiteral("Liberation Sans");
    return QString::fromStdString(name);
}

QFont schrift(const toolkit::Font& font) {
    QFont result(schriftFamilie(font.name));
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    // A fallback that keeps the look when the chosen face is missing.
    result.setStyleHint(font.name == "Lucida Handwriting" ? QFont::Cursive : QFont::SansSerif);
    return result;
}

}  // namespace qtfront
