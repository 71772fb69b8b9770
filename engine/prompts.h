#pragma once

#include "base/lottery.h"

#include <cstddef>
#include <string>
#include <string_view>

// What the method list asks of the player: the caption above the initial
// number, the caption of the box group, and which control set is shown.
struct MethodPrompt
{
    std::string initialCaption; // caption of the initial-number label
    std::string boxesCaption;   // caption of the group around the number boxes
    bool generalized = false;   // true: initial-number set shown, date and option set hidden
};

// Any method text but the generalized method's exact name counts as a pair
// method.
MethodPrompt methodPrompt(std::string_view methodText, const Lottery &lottery);

// How many digits number box `box` takes before the focus moves on: those
// of the largest number it may hold. A back box holds up to the back zone's
// highest number under every method; under the generalized method a front
// box holds a control quantity up to K; otherwise the front's highest.
int boxDigits(const Lottery &lottery, bool generalized, size_t box);
