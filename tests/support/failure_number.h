// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/toolkit/failure.h"

// The failure number that the action raises, 0 for none.
template <class Action>
int failureNumber(Action&& action) {
    try {
        action();
    } catch (const toolkit::Failure& failure) {
        return failure.number();
    }
    return 0;
}
