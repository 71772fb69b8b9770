#pragma once

#include <string>

// The two-digit form of an integer: "0" before values 0 to 9 ("03"), the plain
// decimal text otherwise ("17", "123", and "0-5" for -5).
std::string twoDigit(int value);
