#include "screens/program.h"

Program::Program(toolkit::Platform& platform)
    : app(platform), start(*this), main(*this), druck(*this) {}

void Program::start_program() {
    start.show();
}
