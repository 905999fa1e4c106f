#pragma once

class Programm;

namespace qtfront {
class QtFrontEnd;
}

// Startup measurement for bench/startup.sh. Only active when the environment
// variable SUDOKU_ZEITMESSUNG holds the launch time (nanoseconds since the
// epoch): then the program prints, on standard error, when the start screen
// is first drawn, clicks "Sudoku starten" itself, prints when the main screen
// is first drawn, the resident memory at both points, and ends.
namespace zeitmessung {

bool aktiv();
void einrichten(Programm& programm, qtfront::QtFrontEnd& frontEnd);

}  // namespace zeitmessung
