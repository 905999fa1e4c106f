// SPDX-License-Identifier: GPL-3.0-or-later
// The layer check: a solver file may not see Qt, so this must not compile.
#include "solver/geometry.h"

#include <QString>
