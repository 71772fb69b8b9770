#pragma once

#include "wheels/covering.h"

#include <optional>
#include <string>
#include <vector>

// The smallest known covering for a terms with M = T, from the records file
// shipped beside the wheels (columns v,k,t,record_blocks,lower_bound, as the
// La Jolla Covering Repository lists them).
struct WheelRecord
{
    int bets = 0;
    int lowerBound = 0;
};
std::optional<WheelRecord> findWheelRecord(const std::string &recordsCsv, const WheelTerms &terms);

// The file that holds the wheel for a terms: "20-6-5-5.txt" for V 20, K 6,
// 中5保5.
std::string wheelFileName(const WheelTerms &terms);

// The wheels the program has at hand: the shipped tables and the ones kept
// from earlier searches, each terms in a file of its own so that the window
// reads only the one it shows. A file that fails the check is ignored, so a
// damaged or hand-edited table never reaches the player.
class WheelShelf
{
public:
    // `folders` are read in turn (shipped first); kept wheels go to the
    // last one. Paths end in "/".
    explicit WheelShelf(std::vector<std::string> folders);

    // The smallest verified wheel on the shelf for the terms, or nothing.
    std::optional<std::vector<BetMask>> find(const WheelTerms &terms) const;

    // Keeps a wheel found by a search for next time, when it passes the
    // check and is smaller than the one at hand; returns whether it was
    // written. The file is replaced atomically; failures throw AppError.
    bool keep(const WheelTerms &terms, const std::vector<BetMask> &bets) const;

private:
    std::vector<std::string> m_folders;
};

// A wheel's file: a comment line naming it, then wheelText.
std::string wheelFileText(const WheelTerms &terms, const std::vector<BetMask> &bets);
