// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program.h"

Program::Program(toolkit::Platform& platform)
    : app(platform), start(*this), main(*this), druck(*this), assistant(*this) {}

void Program::start_program() {
    start.show();
}
