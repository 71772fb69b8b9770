#pragma once

#include "engine/digit_pair.h"
#include "engine/methods.h"

#include <string_view>

// Each digit becomes (digit × factor) mod 10.
DigitPair ScalePair(DigitPair pair, int factor);

// Folds one digit back towards the total: while (at most twice) the value
// digit × weight + offset lies above n, the digit becomes |digit − 5|.
int RangeFold(int digit, int weight, int offset, int n);

// One of the nineteen pair methods applied to a pair, for a total n.
DigitPair CorrectPair(const PairMethod &method, DigitPair pair, int n);

// The same, with the method chosen by its exact name. A name that is no pair
// method throws AppError.
DigitPair CorrectPair(std::string_view methodName, DigitPair pair, int n);
