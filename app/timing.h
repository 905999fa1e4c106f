// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Program;

namespace qtfront {
class QtFrontEnd;
}

// Self-measurement for bench/startup.sh and the program's start test. Only
// active when the environment variable SUDOKU_TIMING is set; it then
// holds the launch time (nanoseconds since the epoch; 0 or empty: measure
// from the start of main()). The program prints on standard error, one
// "name value" line each:
//   start_visible_ms       launch until the start screen is first drawn
//   rss_start_kb            resident memory at that point
//   main_after_click_ms      its own click on "Sudoku starten" until the main
//                           screen is first drawn
//   rss_main_kb             resident memory at that point
//   key_to_digit_ms     (27 lines) a key press posted to the focused cell
//                           until that cell has been repainted with the
//                           digit: the solution of a real puzzle, typed from
//                           cell 1 into the first three rows
//   rss_game_kb            resident memory after those moves
// and ends with status 0, or with status 3 and a reason when a digit did not
// arrive or nothing was drawn within 10 seconds.
namespace timing {

bool active();
void install(Program& program, qtfront::QtFrontEnd& frontEnd);
// This process's resident memory in kB (VmRSS), -1 where it cannot be read.
long residentKilobytes();

}  // namespace timing
