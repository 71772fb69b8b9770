#pragma once

#include "base/lottery.h"
#include "engine/bet_cells.h"
#include "engine/draw_generator.h"

#include <string>
#include <vector>

// Everything one press of "转换号码" reads, as the texts stand in the
// controls (UTF-8).
struct ConversionRequest
{
    Lottery lottery;
    std::string method;
    std::string arrangement;
    std::string direction;
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
    std::string initial;            // the initial number (generalized method)
    std::vector<std::string> boxes; // one text per number box
};

// Either the bet's cell texts or the refusal of the entries. The texts are
// held in place, so that an accepted conversion allocates nothing.
using ConversionResult = Outcome<BetCells>;

// One conversion. Entry refusals come back as values; a text that has to be
// an integer and is not throws AppError "'%s' 不是一个有效的整形值". Draws from
// `draws` only for the Lotto repeat fallback. An accepted conversion
// allocates nothing.
ConversionResult convert(const ConversionRequest &request, DrawGenerator &draws);

// The sum of the ten date and hour digits, folded to at most 10.
int DateDigitSum(const std::string &year, const std::string &month, const std::string &day,
                 const std::string &hour);

// The number of a compass direction under a bagua arrangement; 0 when
// either text is in neither table.
int DirectionNumber(const std::string &arrangement, const std::string &direction);

// (direction number)² mod date digit sum, with 3 in place of 0 (and for a
// digit sum of 0, which has no remainder).
int Multiplier(int dateDigitSum, int directionNumber);
