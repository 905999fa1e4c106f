#include "screens/programm.h"

Programm::Programm(toolkit::Platform& platform)
    : app(platform), start(*this), main(*this), druck(*this) {}

void Programm::starten() {
    start.show();
}
