#include "base/lottery_numbers.h"

#include <algorithm>

std::vector<bool> zoneHits(const std::vector<int> &bet, const std::vector<int> &drawn, bool byPosition)
{
    std::vector<bool> hits(bet.size(), false);
    for (size_t i = 0; i < bet.size(); ++i) {
        if (bet[i] < 0)
            continue;
        if (byPosition)
            hits[i] = i < drawn.size() && drawn[i] == bet[i];
        else
            hits[i] = std::find(drawn.begin(), drawn.end(), bet[i]) != drawn.end();
    }
    return hits;
}

int zoneHitCount(const std::vector<int> &bet, const std::vector<int> &drawn, bool byPosition)
{
    const std::vector<bool> hits = zoneHits(bet, drawn, byPosition);
    return static_cast<int>(std::count(hits.begin(), hits.end(), true));
}
