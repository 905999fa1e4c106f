// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program.h"

#include "screens/program_icon.h"

Program::Program(toolkit::Platform& platform)
    : app(platform), start(*this), main(*this), druck(*this), assistant(*this) {
    app.setIcon(program_icon::picture());
}

void Program::startProgram() {
    start.show();
}
