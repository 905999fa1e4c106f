// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Programm;

namespace qtfront {
class QtFrontEnd;
}

// A check of an installed program without a person at the screen, used by
// tests/integration/ on the offscreen platform. Only active when the
// environment variable SUDOKU_SELBSTPRUEFUNG is "erklaerung": then the
// program clicks "Erklärung lesen" itself as soon as the start screen is up,
// writes the text its explanation box then shows to standard output (UTF-8),
// and ends with status 0 when the box is shown with a text, 1 otherwise. A
// message box that appears instead is written to standard error and closed.
// Normal runs are not affected.
namespace selbstpruefung {

bool aktiv();
void einrichten(Programm& programm, qtfront::QtFrontEnd& frontEnd);

}  // namespace selbstpruefung
