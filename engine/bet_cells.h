#pragma once

#include "base/lottery.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Every text a number of a converted bet can take, "00" to "99" in a row:
// a one-digit text is the second character of its two-digit one.
inline constexpr std::array<char, 200> kNumberTexts = [] {
    std::array<char, 200> texts{};
    for (int v = 0; v < 100; ++v) {
        texts[static_cast<std::size_t>(2 * v)] = static_cast<char>('0' + v / 10);
        texts[static_cast<std::size_t>(2 * v + 1)] = static_cast<char>('0' + v % 10);
    }
    return texts;
}();

// The number texts of one bet ("07" or "7"), held in place and pointing into
// kNumberTexts, so that making, copying or reading a bet allocates nothing.
class BetCells
{
public:
    using value_type = std::string_view;
    using const_iterator = const std::string_view *;
    using iterator = const_iterator;

    BetCells() {}
    BetCells(const BetCells &other)
        : m_size(other.m_size)
    {
        copyFrom(other);
    }
    BetCells &operator=(const BetCells &other)
    {
        m_size = other.m_size;
        copyFrom(other);
        return *this;
    }

    // Appends the two-digit text of a value 0 … 99 ("03").
    void pushTwoDigits(int value)
    {
        m_cells.texts[m_size++] = {&kNumberTexts[2 * static_cast<std::size_t>(value)], 2};
    }
    // Appends the plain decimal text of a value 0 … 99 ("3").
    void pushDecimal(int value)
    {
        const std::size_t first = 2 * static_cast<std::size_t>(value) + (value < 10 ? 1 : 0);
        m_cells.texts[m_size++] = {&kNumberTexts[first], value < 10 ? 1u : 2u};
    }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::string_view operator[](std::size_t i) const { return m_cells.texts[i]; }
    const std::string_view *data() const { return m_cells.texts; }
    const_iterator begin() const { return m_cells.texts; }
    const_iterator end() const { return m_cells.texts + m_size; }

    friend bool operator==(const BetCells &cells, const std::vector<std::string> &texts)
    {
        if (cells.size() != texts.size())
            return false;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (cells[i] != texts[i])
                return false;
        }
        return true;
    }

private:
    void copyFrom(const BetCells &other)
    {
        for (std::size_t i = 0; i < m_size; ++i)
            m_cells.texts[i] = other.m_cells.texts[i];
    }

    // Left unset beyond m_size: a conversion writes only the cells it makes.
    union Storage
    {
        Storage() {}
        std::string_view texts[kMaxBoxCount];
    } m_cells;
    std::size_t m_size = 0;
};
