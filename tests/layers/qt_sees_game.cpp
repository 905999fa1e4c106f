// SPDX-License-Identifier: GPL-3.0-or-later
// The layer check: a file of the Qt front end may not see the screens, so this must not compile.
#include "screens/qt/units.h"

#include "screens/frm_sudoku_main.h"
