// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "screens/toolkit/element.h"

class QWidget;

// Conversions between the element model's units and Qt's.
namespace qtfront {

// Twips (1/1440 inch) to pixels at the given logical DPI: 15 twips a pixel
// at 96 dpi.
int pixels(int twips, double dpi);

// The model's texts are UTF-8 with CR LF line breaks; Qt shows "\n".
QString anzeigeText(const std::string& text);
// A widget's text back into the model's form (LF becomes CR LF).
std::string modellText(const QString& text);

// The font family that stands in for a font name the program uses: the two
// Windows fonts of the layout are not on Linux and get close free faces.
QString schriftFamilie(const std::string& name);
QFont schrift(const toolkit::Font& font);

}  // namespace qtfront
