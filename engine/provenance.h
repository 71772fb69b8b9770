#pragma once

#include "engine/conversion.h"

#include <string>

// One line telling how a conversion came about, for the tooltip of its row:
// the method with the date, hour, arrangement and direction and the
// original numbers, or, for the generalized method, the initial number and
// the control quantities.
std::string describeConversion(const ConversionRequest &request);
