// SPDX-License-Identifier: GPL-3.0-or-later
// The layer check: a toolkit file may not see the screens, so this must not compile.
#include "screens/toolkit/element.h"

#include "screens/frm_sudoku_main.h"
