#include "history/draw_text.h"
#include "history/draw_fields.h"

#include "base/gbk.h"
#include "base/quoted_text.h"
#include "base/two_digit.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kZoneMark = "+";

bool isDigits(std::string_view text)
{
    return !text.empty()
           && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The line's fields; every "+" or "|" (half or full width) stands as a
// field "+" of its own.
std::vector<std::string> fieldsOf(std::string_view line)
{
    static constexpr std::array<std::string_view, 4> blanks = {"，", "、", "\u3000", "；"};
    static constexpr std::array<std::string_view, 2> marks = {"＋", "｜"};
    std::vector<std::string> fields;
    std::string current;
    const auto flush = [&] {
        if (!current.empty())
            fields.push_back(std::move(current));
        current.clear();
    };
    for (size_t i = 0; i < line.size();) {
        const std::string_view rest = line.substr(i);
        const auto startsWith = [&](std::string_view word) { return rest.substr(0, word.size()) == word; };
        const auto blank = std::find_if(blanks.begin(), blanks.end(), startsWith);
        const auto mark = std::find_if(marks.begin(), marks.end(), startsWith);
        const char c = line[i];
        if (blank != blanks.end()) {
            flush();
            i += blank->size();
        } else if (mark != marks.end() || c == '+' || c == '|') {
            flush();
            fields.emplace_back(kZoneMark);
            i += mark != marks.end() ? mark->size() : 1;
        } else {
            if (c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r' || c == '\n')
                flush();
            else
                current += c;
            ++i;
        }
    }
    flush();
    return fields;
}

// One field of a line and the cell it lies in.
struct Token
{
    std::string text;
    int cell = 0;
};

// A line's cells split at commas, semicolons and tabs outside double quotes
// (RFC 4180: a cell that begins with a quote runs to the closing one, and
// "" inside stands for one quote), each split into fields as fieldsOf does:
// "2026007,2026-01-15(四),"09,13,19,27,29,30",01" has four cells, the third
// of six fields.
std::vector<Token> tokensOf(std::string_view line)
{
    std::vector<Token> tokens;
    int cell = 0;
    std::string text;
    const auto flush = [&] {
        for (std::string &field : fieldsOf(text))
            tokens.push_back({std::move(field), cell});
        text.clear();
        ++cell;
    };
    bool quoted = false;
    bool cellStart = true;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                text += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                text += line[++i];
            else
                quoted = false;
            continue;
        }
        if (c == '"' && cellStart) {
            quoted = true;
            cellStart = false;
        } else if (c == ',' || c == ';' || c == '\t') {
            flush();
            cellStart = true;
        } else {
            text += c;
            if (c != ' ')
                cellStart = false;
        }
    }
    flush();
    return tokens;
}

std::vector<std::string> textsOf(const std::vector<Token> &tokens, size_t from, size_t to)
{
    std::vector<std::string> texts;
    for (size_t i = from; i < to; ++i)
        texts.push_back(tokens[i].text);
    return texts;
}

// A zone's parts as the line lists them: front, back, special.
struct Part
{
    const DrawZone *zone;
    std::string label;
    std::vector<int> *target;
};

std::string countProblem(const std::vector<Part> &parts, int expected, int read)
{
    std::string text = "应有" + std::to_string(expected) + "个号码";
    if (parts.size() > 1) {
        text += "（";
        for (size_t i = 0; i < parts.size(); ++i)
            text += (i ? "，" : "") + parts[i].label + std::to_string(parts[i].zone->count) + "个";
        text += "）";
    }
    return text + "，读到" + std::to_string(read) + "个";
}

// Takes the numbers of one part from fields[at...], at most `limit` fields;
// a Digit zone of single digits may be one run of digits.
Outcome<int> takeNumbers(const std::vector<std::string> &fields, size_t at, size_t limit,
                         const DrawZone &zone, std::vector<int> &out)
{
    if (zone.digits && zone.high <= 9 && zone.count > 1 && at < fields.size() && limit > 0
        && isDigits(fields[at]) && static_cast<int>(fields[at].size()) == zone.count) {
        for (char c : fields[at])
            out.push_back(c - '0');
        return 1;
    }
    size_t taken = 0;
    for (; taken < limit && at + taken < fields.size(); ++taken) {
        const std::string &field = fields[at + taken];
        if (!isDigits(field) || field.size() > 4)
            return Refusal{"“" + quotedText(field) + "”不是号码"};
        out.push_back(std::stoi(field));
    }
    return static_cast<int>(taken);
}

// Reads the numbers from fields[at...] into `draw`; why they cannot be
// read, or nothing.
Check readNumbers(const std::vector<std::string> &fields, size_t at, const DrawShape &shape, Draw &draw)
{
    std::vector<Part> parts{
        {&shape.front, shape.front.name.empty() ? "基本号码" : shape.front.name, &draw.front}};
    if (shape.back)
        parts.push_back({&*shape.back, shape.back->name, &draw.back});
    DrawZone specialZone = shape.front;
    specialZone.count = 1;
    std::vector<int> special;
    if (shape.special)
        parts.push_back({&specialZone, "特别号", &special});

    const bool marked
        = std::find(fields.begin() + static_cast<long>(at), fields.end(), kZoneMark) != fields.end();
    int read = 0;
    if (marked) {
        // Each "+" opens the next part; every part takes the whole of its group.
        size_t part = 0;
        while (true) {
            const size_t end = std::min<size_t>(
                std::find(fields.begin() + static_cast<long>(at), fields.end(), kZoneMark) - fields.begin(),
                fields.size());
            if (part >= parts.size())
                return Refusal{"“+”后的号码多于本彩票的号码区"};
            const auto taken = takeNumbers(fields, at, end - at, *parts[part].zone, *parts[part].target);
            if (!taken.accepted())
                return Refusal{taken.refusal()};
            if (at + static_cast<size_t>(taken.value()) != end)
                return Refusal{"“" + quotedText(fields[at + static_cast<size_t>(taken.value())])
                               + "”不是号码"};
            ++part;
            if (end == fields.size())
                break;
            at = end + 1;
        }
        for (const Part &p : parts)
            read += static_cast<int>(p.target->size());
        for (const Part &p : parts) {
            if (static_cast<int>(p.target->size()) != p.zone->count)
                return Refusal{countProblem(parts, shape.numberCount(), read)};
        }
    } else {
        for (const Part &p : parts) {
            const auto taken
                = takeNumbers(fields, at, static_cast<size_t>(p.zone->count), *p.zone, *p.target);
            if (!taken.accepted())
                return Refusal{taken.refusal()};
            at += static_cast<size_t>(taken.value());
            read += static_cast<int>(p.target->size());
        }
        if (at < fields.size() || read != shape.numberCount()) {
            const int more = static_cast<int>(fields.size() - std::min(at, fields.size()));
            return Refusal{countProblem(parts, shape.numberCount(), read + more)};
        }
    }
    if (!special.empty())
        draw.special = special.front();
    if (!shape.front.digits)
        std::sort(draw.front.begin(), draw.front.end());
    if (shape.back && !shape.back->digits)
        std::sort(draw.back.begin(), draw.back.end());
    return drawProblem(draw, shape);
}

} // namespace

namespace {

// A date field as a draw's date; why it cannot be one; or nothing when the
// field is no date at all.
Outcome<std::string> dateField(const std::string &field)
{
    bool isDate = false;
    const auto date = dateOf(field, isDate);
    if (date)
        return *date;
    if (isDate)
        return Refusal{"日期“" + quotedText(field) + "”无效"};
    return std::string();
}

// Columns after the numbers (销售额, 奖池, 注数) are passed over when they
// hold something other than a number of the draw: a date, a large amount,
// a word. Cells of nothing but one- and two-digit numbers are more likely
// numbers too many, which is the line's fault.
bool looksLikeOtherColumns(const std::vector<Token> &tokens, size_t from)
{
    return std::any_of(tokens.begin() + static_cast<long>(from), tokens.end(),
                       [](const Token &t) { return !isDigits(t.text) || t.text.size() > 2; });
}

// The draw of a line's tokens; `otherColumns` is set when columns after the
// numbers were passed over.
Outcome<Draw> parseTokens(const std::vector<Token> &tokens, const DrawShape &shape, bool &otherColumns)
{
    otherColumns = false;
    if (tokens.empty())
        return Refusal{"空行"};
    Draw draw;
    draw.issue = issueOf(tokens[0].text);
    if (!issueKey(draw.issue))
        return Refusal{"期号“" + quotedText(tokens[0].text) + "”不是1到12位数字"};
    size_t at = 1;
    if (at < tokens.size() && tokens[at].text != kZoneMark) {
        const auto date = dateField(tokens[at].text);
        if (!date.accepted())
            return Refusal{date.refusal()};
        if (!date.value().empty()) {
            draw.date = date.value();
            ++at;
        }
    }
    if (at < tokens.size() && isWeekday(tokens[at].text))
        ++at;
    // The numbers run to the line's end, or to the end of a cell after
    // which the date or other columns follow.
    Draw whole = draw;
    const Check problem = readNumbers(textsOf(tokens, at, tokens.size()), 0, shape, whole);
    if (!problem)
        return whole;
    for (size_t end = at + 1; end < tokens.size(); ++end) {
        if (tokens[end].cell == tokens[end - 1].cell)
            continue;
        Draw numbers = draw;
        if (readNumbers(textsOf(tokens, at, end), 0, shape, numbers))
            continue;
        size_t rest = end;
        if (numbers.date.empty()) {
            // After the numbers, a cell that is no valid date ("3.5亿") is
            // one of the other columns.
            const auto date = dateField(tokens[rest].text);
            if (date.accepted() && !date.value().empty()) {
                numbers.date = date.value();
                ++rest;
                if (rest < tokens.size() && isWeekday(tokens[rest].text))
                    ++rest;
            }
        }
        if (rest < tokens.size() && !looksLikeOtherColumns(tokens, rest))
            break;
        otherColumns = rest < tokens.size();
        return numbers;
    }
    return *problem;
}

} // namespace

Outcome<Draw> parseDrawLine(std::string_view line, const DrawShape &shape)
{
    bool otherColumns = false;
    return parseTokens(tokensOf(line), shape, otherColumns);
}

Outcome<Draw> parseDrawNumbers(std::string_view text, const DrawShape &shape)
{
    Draw draw;
    if (auto problem = readNumbers(fieldsOf(text), 0, shape, draw))
        return *problem;
    return draw;
}

std::string playerTextToUtf8(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return std::string(bytes.substr(3));
    // Excel's "Unicode text" and Notepad's "Unicode": UTF-16 with its mark.
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return utf16ToUtf8(bytes.substr(2), true);
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return utf16ToUtf8(bytes.substr(2), false);
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t length = 0;
        if (c < 0x80)
            length = 1;
        else if (c >= 0xC2 && c < 0xE0)
            length = 2;
        else if ((c & 0xF0) == 0xE0)
            length = 3;
        else if ((c & 0xF8) == 0xF0)
            length = 4;
        if (length == 0 || i + length > bytes.size())
            return gbkToUtf8(bytes);
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return gbkToUtf8(bytes);
        }
        i += length;
    }
    return std::string(bytes);
}

DrawText readDrawText(std::string_view bytes, const DrawShape &shape)
{
    const std::string text = playerTextToUtf8(bytes);
    DrawText result;
    bool first = true;
    int lineNumber = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        ++lineNumber;
        const std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        const std::vector<Token> tokens = tokensOf(line);
        if (tokens.empty())
            continue;
        bool otherColumns = false;
        auto parsed = parseTokens(tokens, shape, otherColumns);
        // A first line is a header only when it holds no draw and does not
        // begin with a 期号: a draw that fails is reported, never passed over.
        const bool header = first && !parsed.accepted() && !isDigits(issueOf(tokens[0].text));
        first = false;
        if (header) {
            result.headerLine = lineNumber;
        } else if (parsed.accepted()) {
            result.draws.push_back({lineNumber, std::move(parsed.value())});
            if (otherColumns)
                ++result.linesWithOtherColumns;
        } else {
            result.problems.push_back({lineNumber, parsed.refusal()});
        }
    }
    return result;
}

std::string drawFileBytes(const std::vector<Draw> &draws, const DrawShape &shape)
{
    std::string text = "期号 开奖日期 开奖号码\r\n";
    for (const Draw &draw : draws) {
        text += draw.issue;
        if (!draw.date.empty())
            text += ' ' + draw.date;
        text += ' ' + drawNumbersText(draw, shape) + "\r\n";
    }
    return utf8ToGbk(text);
}
