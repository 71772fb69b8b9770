#pragma once

#include "results/result_grid.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The bytes "保存号码" writes: for every result row the texts of the
// lottery's number cells, each followed by one space, as GBK with CR LF
// line ends.
std::string savedNumberFile(const ResultGrid &grid, const Lottery &lottery);

// What "加载号码" makes of a file's bytes. Two layouts are read:
//  - the header layout: lottery name, kind, total, count and row count on
//    lines 1 to 5, then one line a bet with one character a number;
//  - the saved layout (every line ends in a space), read as bets of the
//    current lottery, so that a saved file loads back.
// Line ends may be CR LF, LF or CR; the bytes are GBK.
// A file that cannot be loaded is refused: nothing is to change.
struct NumberFileContent
{
    // A header line that is no integer: only the name applies, then this
    // error stops the load. Empty when the grid and the lottery apply.
    std::string headerError;
    // The player stopped the load: nothing is to change.
    bool cancelled = false;
    bool headerLayout = false;
    std::string name; // line 1 of a header-layout file (UTF-8)
    Lottery lottery;  // the file's (header layout) or the current one's (saved layout)
    ResultGrid grid;
};

// A file larger than this, or with a line longer than this, is refused
// before it is decoded; so is one holding a NUL byte.
inline constexpr std::size_t kMaxNumberFileBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMaxNumberFileLineBytes = 4096;

// Told how many of the file's lines have been read, every few thousand
// lines of a long file; answers false to stop the load.
using LoadProgress = std::function<bool(std::size_t linesRead, std::size_t lines)>;

// `current` is the lottery whose bets a saved-layout file holds; without
// one such a file is refused.
Outcome<NumberFileContent> parseNumberFile(std::string_view bytes, const std::optional<Lottery> &current,
                                           const LoadProgress &progress = {});

// Width of every column after a load: (client width − 12) div (count + 1).
int loadedColumnWidth(int gridClientWidth, int count);
