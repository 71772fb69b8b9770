#include "results/number_file.h"

#include "base/gbk.h"
#include "base/int_text.h"
#include "base/quoted_text.h"

#include <optional>
#include <vector>

namespace {

// Splits at CR LF, LF or CR; a line end at the very end opens no new line.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// The first `count` characters of a UTF-8 line as one-character texts; a
// short line leaves the rest empty.
std::vector<std::string> characterCells(std::string_view line, int count)
{
    std::vector<std::string> cells;
    cells.reserve(static_cast<size_t>(count) + 1);
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
    return cells;
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

Outcome<NumberFileContent> parseSaved(const std::vector<std::string_view> &lines, const Lottery &lottery)
{
    NumberFileContent content;
    bool allEmpty = true;
    const int count = lottery.numberCount();
    writeHeader(content.grid, lottery);
    int row = 0;
    for (std::string_view line : lines) {
        std::vector<std::string> cells{std::to_string(++row)};
        size_t start = 0;
        while (start < line.size()) {
            const size_t space = line.find(' ', start);
            cells.emplace_back(line.substr(start, space - start));
            allEmpty = allEmpty && cells.back().empty();
            start = space + 1;
        }
        if (static_cast<int>(cells.size()) - 1 != count)
            return refused("第" + std::to_string(row) + "行有" + std::to_string(cells.size() - 1)
                           + "个号码，当前彩票每注是" + std::to_string(count)
                           + "个号码。请先选择与文件相符的彩票。");
        content.grid.appendRow(cells);
    }
    // The file of an emptied table loads as an emptied table.
    if (allEmpty)
        content.grid = ResultGrid();
    content.lottery = lottery;
    return content;
}

Outcome<NumberFileContent> parseHeader(const std::vector<std::string_view> &lines)
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
    for (size_t i = 5; i < lines.size(); ++i) {
        std::vector<std::string> cells = characterCells(lines[i], content.lottery.count);
        cells[0] = std::to_string(i - 4);
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
            return refused("无法加载号码文件：第" + std::to_string(line) + "行含有空字符，这不是文本格式的号码文件。");
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

Outcome<NumberFileContent> parseNumberFile(std::string_view bytes, const std::optional<Lottery> &current)
{
    if (auto problem = unreadableProblem(bytes))
        return *problem;
    const std::string text = gbkToUtf8(bytes);
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty())
        return refused("号码文件是空的。");
    if (isSavedLayout(lines)) {
        if (!current)
            return refused("请先选择彩票，再加载号码。");
        return parseSaved(lines, *current);
    }
    return parseHeader(lines);
}

int loadedColumnWidth(int gridClientWidth, int count)
{
    return (gridClientWidth - 12) / (count + 1);
}
