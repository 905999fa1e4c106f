// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "solver/step.h"

namespace solver {

// The text of a step of the chains, almost locked sets, Sue de Coq and the
// forcing chains and nets (see explain()); none for another technique.
std::optional<std::string> explainChainStep(const Step& step);

}  // namespace solver
