#pragma once

#include <string>

#include "driver/budget.hpp"

namespace orvane {

// The ten lines printed when the brain is started without a manager's files or the board has no
// empty cell, each ended by CR LF, with the live settings as they stand.
std::string InformationBanner(const Budget& budget);

}  // namespace orvane
