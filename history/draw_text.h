#pragma once

#include "history/draw.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A draw file is a few hundred bytes a draw; anything larger is no such file
// and is refused before it is read.
inline constexpr std::size_t kMaxDrawFileBytes = std::size_t{32} << 20;

// The text forms of draws that players keep and exchange: one draw a line,
// the 期号 first, then an optional date, then the numbers, separated by
// blanks, commas or tabs; the back zone (or 七乐彩's special number) after
// "+" or "|", or simply as the last numbers of the line. A Digit zone may
// also be written as one run of digits ("417").

// One line as a draw of this shape (the lottery's name left empty), or why
// it cannot be read. Also serves a draw the player types in.
Outcome<Draw> parseDrawLine(std::string_view line, const DrawShape &shape);

// The numbers alone, as a player types the draw to check bets against
// (no 期号, no date): a draw with an empty 期号, or why it cannot be read.
Outcome<Draw> parseDrawNumbers(std::string_view text, const DrawShape &shape);

struct LineProblem
{
    int line = 0; // counted from 1
    std::string reason;

    friend bool operator==(const LineProblem &, const LineProblem &) = default;
};

struct NumberedDraw
{
    int line = 0;
    Draw draw;
};

struct DrawText
{
    std::vector<NumberedDraw> draws; // in the order of the file
    std::vector<LineProblem> problems;
    int headerLine = 0;            // the line passed over as a header, or 0
    int linesWithOtherColumns = 0; // draws whose columns after the numbers were passed over
};

// A whole file's bytes, GBK, UTF-8 (with or without a byte-order mark) or
// UTF-16 with its byte-order mark, with CR LF, LF or CR line ends. Blank
// lines are passed over, and so is a first line that holds no draw and does
// not begin with a 期号 (a header). Lines may be CSV with quoted cells
// ("09,13,19,27,29,30"); the 期号 may read "第2026007期" or "2026007期"; the
// date (perhaps with its weekday) may stand before or after the numbers;
// columns after the numbers (销售额, 奖池) are passed over and counted.
DrawText readDrawText(std::string_view bytes, const DrawShape &shape);

// The bytes an export writes: a header line, then one draw a line in the
// form above (期号, date when known, numbers with " + " before the back
// zone), as GBK with CR LF line ends.
std::string drawFileBytes(const std::vector<Draw> &draws, const DrawShape &shape);

// A player's text as UTF-8: UTF-8 stays (its byte-order mark dropped),
// anything that is not valid UTF-8 is read as GBK.
std::string playerTextToUtf8(std::string_view bytes);
