#include "results/repeat_index.h"

#include <algorithm>

namespace {

constexpr int kBitsPerNumber = 7;
constexpr int kNumbersPerWord = 64 / kBitsPerNumber;

} // namespace

std::optional<std::string_view> RepeatIndex::numbersOf(const ResultGrid &grid, int row)
{
    const std::string_view packed = grid.packedRow(row);
    size_t separator = 0;
    while (separator < packed.size() && packed[separator] != '\0')
        ++separator;
    if (separator == 0)
        return std::nullopt; // no row number: the empty row of an emptied table
    return separator == packed.size() ? std::string_view() : packed.substr(separator + 1);
}

bool RepeatIndex::pack(std::string_view numbers, int count, Key &key)
{
    if (count > 2 * kNumbersPerWord)
        return false;
    key = {};
    // One walk over the stored cells, a million rows at a load. A cell's
    // code: 0 when empty, 1 … 10 for "0" … "9", 11 … 110 for "00" … "99"
    // (so "7" and "07" stay apart, as their texts do); anything else does
    // not pack.
    const char *p = numbers.data();
    const char *const end = p + numbers.size();
    std::uint64_t *word = &key.low;
    int shift = 0;
    for (int i = 0; i < count; ++i) {
        unsigned value = 0;
        int digits = 0;
        for (; p != end && *p != '\0'; ++p, ++digits) {
            const unsigned digit = static_cast<unsigned>(*p - '0');
            if (digit > 9 || digits == 2)
                return false;
            value = value * 10 + digit;
        }
        const unsigned code = digits == 0 ? 0 : digits == 1 ? 1 + value : 11 + value;
        *word |= static_cast<std::uint64_t>(code) << shift;
        shift += kBitsPerNumber;
        if (shift == kBitsPerNumber * kNumbersPerWord) {
            word = &key.high;
            shift = 0;
        }
        if (p != end)
            ++p;
    }
    return true;
}

int RepeatIndex::firstOf(Key key) const
{
    if (m_built) {
        const std::vector<First> &sorted = m_built->sorted;
        const auto found = std::lower_bound(sorted.begin(), sorted.end(), key,
                                            [](const First &first, Key k) { return first.key < k; });
        if (found != sorted.end() && found->key == key)
            return found->row;
    }
    return m_added.value(key);
}

void RepeatIndex::rebuild(const ResultGrid &grid)
{
    m_added.clear();
    m_addedUnpacked.clear();
    auto built = std::make_shared<Built>();
    std::vector<First> &rows = built->sorted;
    rows.reserve(static_cast<size_t>(grid.rowCount()));
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::optional<std::string_view> numbers = numbersOf(grid, row);
        if (!numbers)
            continue;
        Key key;
        if (pack(*numbers, grid.columnCount() - 1, key))
            rows.push_back({key, row});
        else
            built->unpacked.emplace(std::string(*numbers), row);
    }
    // By key, and for one key by row, so that its first row leads.
    std::sort(rows.begin(), rows.end(),
              [](const First &a, const First &b) { return a.key == b.key ? a.row < b.row : a.key < b.key; });
    rows.erase(
        std::unique(rows.begin(), rows.end(), [](const First &a, const First &b) { return a.key == b.key; }),
        rows.end());
    m_built = std::move(built);
}

void RepeatIndex::add(const ResultGrid &grid, int row)
{
    const std::optional<std::string_view> numbers = numbersOf(grid, row);
    if (!numbers)
        return;
    Key key;
    if (pack(*numbers, grid.columnCount() - 1, key)) {
        if (firstOf(key) == 0)
            m_added.insert(key, row);
    } else if (unpackedFirst(*numbers) == 0) {
        m_addedUnpacked.emplace(std::string(*numbers), row);
    }
}

int RepeatIndex::unpackedFirst(std::string_view numbers) const
{
    const std::string key(numbers);
    if (m_built) {
        if (const auto found = m_built->unpacked.find(key); found != m_built->unpacked.end())
            return found->second;
    }
    const auto found = m_addedUnpacked.find(key);
    return found != m_addedUnpacked.end() ? found->second : 0;
}

int RepeatIndex::repeatOf(const ResultGrid &grid, int row) const
{
    if (row < 1 || row >= grid.rowCount())
        return 0;
    const std::optional<std::string_view> numbers = numbersOf(grid, row);
    if (!numbers)
        return 0;
    Key key;
    int first = 0;
    if (pack(*numbers, grid.columnCount() - 1, key)) {
        first = firstOf(key);
    } else {
        first = unpackedFirst(*numbers);
    }
    return first < row ? first : 0;
}
