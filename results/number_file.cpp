#include "results/number_file.h"

#include "base/gbk.h"
#include "base/int_text.h"
#include "base/quoted_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {

// Lines between two reports of a load's progress.
constexpr std::size_t kProgressStep = 16384;

// GBK keeps ASCII as it is; number files mostly are ASCII and then need no
// conversion at all.
bool isAscii(std::string_view bytes)
{
    unsigned char any = 0;
    for (const char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// Reports every kProgressStep lines; false once the player has stopped.
bool carryOn(const LoadProgress &progress, std::size_t line, std::size_t lines)
{
    return !progress || line == 0 || line % kProgressStep != 0 || progress(line, lines);
}

// The decimal text of a row number, without a string.
struct RowNumber
{
    explicit RowNumber(std::size_t row)
        : size(std::to_chars(digits, digits + sizeof digits, row).ptr - digits)
    {}
    std::string_view text() const { return {digits, static_cast<std::size_t>(size)}; }
    char digits[24];
    std::ptrdiff_t size;
};

// Splits at CR LF, LF or CR; a line end at the very end opens no new line.
std::vector<std::string_view> splitLines(std::string_view text)
{
    // A plain walk over the bytes: find_first_of costs a search of the set
    // for every byte, which a file of a million lines notices.
    std::vector<std::string_view> lines;
    const char *const begin = text.data();
    const char *const end = begin + text.size();
    const char *start = begin;
    for (const char *p = begin; p != end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        lines.emplace_back(start, static_cast<size_t>(p - start));
        if (*p == '\r' && p + 1 != end && p[1] == '\n')
            ++p;
        start = p + 1;
    }
    if (start != end)
        lines.emplace_back(start, static_cast<size_t>(end - start));
    return lines;
}

// The first `count` characters of a UTF-8 line as one-character texts after
// an empty cell 0; a short line leaves the rest empty.
void characterCells(std::string_view line, int count, std::vector<std::string_view> &cells)
{
    cells.clear();
    cells.emplace_back();
    size_t position = 0;
    for (int k = 0; k < count; ++k) {
        if (position >= line.size()) {
            cells.emplace_back();
            continue;
        }
        size_t length = 1;
        while (position + length < line.size()
               && (static_cast<unsigned char>(line[position + length]) & 0xC0) == 0x80)
            ++length;
        cells.emplace_back(line.substr(position, length));
        position += length;
    }
}

void writeHeader(ResultGrid &grid, const Lottery &lottery)
{
    const std::vector<std::string> header = resultHeadings(lottery);
    grid.setColumnCount(static_cast<int>(header.size()));
    grid.setRowCount(1);
    grid.setRow(0, header);
}

// A grid holding the header and these rows; no rows gives one empty row, so
// the next conversion fills row 1.
void finishRows(ResultGrid &grid)
{
    if (grid.rowCount() == 1)
        grid.setRowCount(2);
}

bool isSavedLayout(const std::vector<std::string_view> &lines)
{
    if (lines.empty())
        return false;
    for (std::string_view line : lines) {
        if (line.empty() || line.back() != ' ')
            return false;
    }
    return true;
}

Refusal refused(std::string message)
{
    return Refusal{std::move(message)};
}

NumberFileContent cancelled()
{
    NumberFileContent content;
    content.cancelled = true;
    return content;
}

Outcome<NumberFileContent> parseSaved(const std::vector<std::string_view> &lines, std::size_t textBytes,
                                      const Lottery &lottery, const LoadProgress &progress)
{
    NumberFileContent content;
    bool allEmpty = true;
    const int count = lottery.numberCount();
    writeHeader(content.grid, lottery);
    // Each line's spaces become the separators of its cells, and its row
    // number comes in front: room for the text and the numbers, and more for
    // the bets the player may add after the load.
    content.grid.reserve(lines.size() + 1024, textBytes + lines.size() * 8 + 65536);
    std::size_t row = 0;
    std::string packed;
    for (std::string_view line : lines) {
        if (!carryOn(progress, row, lines.size()))
            return cancelled();
        // The row as the grid stores it, straight from the line: its number,
        // then every cell (each ends with its space, the line's last byte is
        // one) after a NUL, a NUL inside a cell ending it, and no empty
        // cells at the end.
        const RowNumber number(++row);
        packed.resize(number.text().size() + line.size() + 1);
        char *const begin = packed.data();
        char *out = std::copy(number.text().begin(), number.text().end(), begin);
        char *kept = out;
        int cells = 0;
        bool cellBegins = true;
        bool filled = false;
        bool cut = false;
        for (const char c : line) {
            if (cellBegins) {
                *out++ = '\0';
                cellBegins = filled = cut = false;
            }
            if (c == ' ') {
                ++cells;
                if (filled)
                    kept = out;
                cellBegins = true;
                continue;
            }
            filled = true;
            cut = cut || c == '\0';
            if (!cut)
                *out++ = c;
        }
        allEmpty = allEmpty && kept == begin + number.text().size();
        if (cells != count)
            return refused("第" + std::to_string(row) + "行有" + std::to_string(cells)
                           + "个号码，当前彩票每注是" + std::to_string(count)
                           + "个号码。请先选择与文件相符的彩票。");
        content.grid.appendPackedRow({begin, static_cast<size_t>(kept - begin)});
    }
    // The file of an emptied table loads as an emptied table.
    if (allEmpty)
        content.grid = ResultGrid();
    content.lottery = lottery;
    return content;
}

Outcome<NumberFileContent> parseHeader(const std::vector<std::string_view> &lines, std::size_t textBytes,
                                       const LoadProgress &progress)
{
    const auto lineAt = [&](size_t i) { return i < lines.size() ? lines[i] : std::string_view(); };
    NumberFileContent content;
    content.headerLayout = true;
    content.name = std::string(lineAt(0));

    // A second line that is no number: this is no number file at all.
    const std::optional<int> kind = parseInt(lineAt(1));
    if (!kind) {
        return refused("无法识别的号码文件：第2行“" + quotedText(lineAt(1)) + "”不是彩票类型。");
    }
    int values[3] = {};
    for (size_t i = 2; i <= 4; ++i) {
        const std::optional<int> value = parseInt(lineAt(i));
        if (!value) {
            content.headerError = "'" + quotedText(lineAt(i)) + "' 不是一个有效的整形值";
            return content;
        }
        values[i - 2] = *value;
    }
    content.lottery = {*kind, values[0], values[1]};
    if (auto problem = content.lottery.problem())
        return refused("无法加载号码文件：文件中的彩票“" + quotedText(content.name) + "”" + problem->message);

    // The rows are what the file holds, whatever line 5 declares.
    writeHeader(content.grid, content.lottery);
    content.grid.reserve(lines.size() + 1024, textBytes + lines.size() * (8 + content.lottery.count) + 65536);
    std::vector<std::string_view> cells;
    for (size_t i = 5; i < lines.size(); ++i) {
        if (!carryOn(progress, i - 5, lines.size() - 5))
            return cancelled();
        const RowNumber number(i - 4);
        characterCells(lines[i], content.lottery.count, cells);
        cells[0] = number.text();
        content.grid.appendRow(cells);
    }
    finishRows(content.grid);
    return content;
}

// Why these bytes are no number file to read at all, before any is decoded:
// too large, a line far longer than any bet, or a NUL, which no text holds
// and the grid could not keep.
Check unreadableProblem(std::string_view bytes)
{
    if (bytes.size() > kMaxNumberFileBytes)
        return refused("号码文件超过" + std::to_string(kMaxNumberFileBytes >> 20) + " MB，无法加载。");
    size_t line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        const char c = i < bytes.size() ? bytes[i] : '\n';
        if (c == '\0')
            return refused("无法加载号码文件：第" + std::to_string(line)
                           + "行含有空字符，这不是文本格式的号码文件。");
        if (c != '\n' && c != '\r')
            continue;
        if (i - lineStart > kMaxNumberFileLineBytes)
            return refused("无法加载号码文件：第" + std::to_string(line) + "行超过"
                           + std::to_string(kMaxNumberFileLineBytes) + "个字节，这不是号码文件。");
        if (!(c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            ++line;
        lineStart = i + 1;
    }
    return std::nullopt;
}

} // namespace

std::string savedNumberFile(const ResultGrid &grid, const Lottery &lottery)
{
    std::string text;
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (int k = 1; k <= lottery.numberCount(); ++k) {
            text += grid.cell(k, row);
            text += ' ';
        }
        text += "\r\n";
    }
    return utf8ToGbk(text);
}

Outcome<NumberFileContent> parseNumberFile(std::string_view bytes, const std::optional<Lottery> &current,
                                           const LoadProgress &progress)
{
    if (auto problem = unreadableProblem(bytes))
        return *problem;
    std::string converted;
    std::string_view text = bytes;
    if (!isAscii(bytes)) {
        converted = gbkToUtf8(bytes);
        text = converted;
    }
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty())
        return refused("号码文件是空的。");
    if (isSavedLayout(lines)) {
        if (!current)
            return refused("请先选择彩票，再加载号码。");
        return parseSaved(lines, text.size(), *current, progress);
    }
    return parseHeader(lines, text.size(), progress);
}

int loadedColumnWidth(int gridClientWidth, int count)
{
    return (gridClientWidth - 12) / (count + 1);
}
