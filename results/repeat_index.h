#pragma once

#include "results/result_grid.h"

#include <QHash>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Which earlier row of a grid holds the same bet. Only the first row of
// each bet is kept, keyed by the bet's numbers packed into two integers
// (seven bits a number of one or two digits, up to eighteen numbers); a bet
// that does not pack (other texts, more numbers) is keyed by its text.
//
// A whole grid (a loaded file of a million bets) is indexed into a sorted
// list, which is built in one pass and keeps to the cache; the rows added
// after it, one conversion at a time, go into a hash. Copies share the sorted
// list (it never changes once built), so the undo history keeps a large
// grid's index at no cost, and an undo shows it again without indexing.
class RepeatIndex
{
public:
    // Indexes every result row of the grid afresh.
    void rebuild(const ResultGrid &grid);
    // Indexes one more row, the grid's last.
    void add(const ResultGrid &grid, int row);
    // The first row holding the same bet as `row`, or 0 when `row` is the
    // first (or no bet at all: the empty row of an emptied table).
    int repeatOf(const ResultGrid &grid, int row) const;

private:
    struct Key
    {
        std::uint64_t low = 0;
        std::uint64_t high = 0;
        friend bool operator==(Key, Key) = default;
        friend bool operator<(Key a, Key b) { return a.high != b.high ? a.high < b.high : a.low < b.low; }
        friend size_t qHash(Key key, size_t seed) { return qHashMulti(seed, key.low, key.high); }
    };
    struct First
    {
        Key key;
        int row;
    };

    // The packed key of a row's bet; false when it does not pack.
    static bool pack(std::string_view numbers, int count, Key &key);
    // The row's cells after the row number, as stored; nothing for a row
    // that holds no bet (the empty row of an emptied table).
    static std::optional<std::string_view> numbersOf(const ResultGrid &grid, int row);
    // The first row of a packed bet, or 0.
    int firstOf(Key key) const;
    // The first row of a bet that does not pack, or 0.
    int unpackedFirst(std::string_view numbers) const;

    struct Built
    {
        std::vector<First> sorted; // by key
        std::unordered_map<std::string, int> unpacked;
    };

    std::shared_ptr<const Built> m_built;
    QHash<Key, int> m_added;
    std::unordered_map<std::string, int> m_addedUnpacked;
};
