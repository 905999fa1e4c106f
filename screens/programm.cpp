// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/programm.h"

Programm::Programm(toolkit::Platform& platform)
    : app(platform), start(*this), main(*this), druck(*this), assistant(*this) {}

void Programm::starten() {
    start.show();
}
