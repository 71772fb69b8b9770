// korvel-convert: converts bets in bulk, as the main window would.
// Reads one request a line from standard input (UTF-8, fields separated by
// one TAB):
//   kind total count method arrangement direction year month day hour initial box0 … box(count−1)
// and, for a lottery with a back zone (of the same kind), after them
//   + total2 count2 back0 … back(count2−1)
// and prints one line for each: the bet's numbers joined by single spaces,
// the back zone's after " + ", or "! " and the refusal or error message.
// All lines of one run share one draw generator, as one program run does.
#include "base/app_error.h"
#include "base/int_text.h"
#include "engine/conversion.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kFixedFields = 11;

// One line's work. The request and the field list live across lines, so
// that their strings keep their room and a line allocates nothing.
class LineConverter
{
public:
    void convertLine(std::string_view line, std::string &answers)
    {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_fields.clear();
        for (size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1))
            m_fields.push_back(line.substr(0, tab));
        m_fields.push_back(line);
        try {
            answer(answers);
        } catch (const std::exception &error) {
            answers += "! ";
            answers += error.what();
        }
        answers += '\n';
    }

private:
    static std::string missing(size_t needed, size_t have)
    {
        return "! 字段不足：需要" + std::to_string(needed) + "个字段，只有" + std::to_string(have) + "个";
    }

    void answer(std::string &answers)
    {
        const std::vector<std::string_view> &fields = m_fields;
        if (fields.size() < kFixedFields) {
            answers += "! 字段不足：至少需要" + std::to_string(kFixedFields) + "个字段，只有"
                       + std::to_string(fields.size()) + "个";
            return;
        }
        ConversionRequest &request = m_request;
        request.lottery = Lottery{strToInt(fields[0]), strToInt(fields[1]), strToInt(fields[2])};
        const size_t needed = kFixedFields + static_cast<size_t>(std::max(request.lottery.count, 0));
        if (fields.size() < needed) {
            answers += missing(needed, fields.size());
            return;
        }
        request.method = fields[3];
        request.arrangement = fields[4];
        request.direction = fields[5];
        request.year = fields[6];
        request.month = fields[7];
        request.day = fields[8];
        request.hour = fields[9];
        request.initial = fields[10];
        request.boxes.assign(fields.begin() + kFixedFields, fields.begin() + static_cast<long>(needed));
        if (fields.size() > needed && fields[needed] == "+") {
            if (fields.size() < needed + 3) {
                answers += "! 字段不足：“+”之后需要后区的号码总数和号码个数";
                return;
            }
            request.lottery.backName = kDefaultBackName;
            request.lottery.backTotal = strToInt(fields[needed + 1]);
            request.lottery.backCount = strToInt(fields[needed + 2]);
            const size_t backNeeded
                = needed + 3 + static_cast<size_t>(std::max(request.lottery.backCount, 0));
            if (fields.size() < backNeeded) {
                answers += missing(backNeeded, fields.size());
                return;
            }
            request.boxes.insert(request.boxes.end(), fields.begin() + static_cast<long>(needed + 3),
                                 fields.begin() + static_cast<long>(backNeeded));
        }
        const ConversionResult result = convert(request, m_draws);
        if (result.accepted())
            answers += request.lottery.betText(result.value());
        else
            answers += "! " + result.refusal();
    }

    // All lines of one run share one draw generator, as one program run does.
    DrawGenerator m_draws;
    ConversionRequest m_request;
    std::vector<std::string_view> m_fields;
};

bool writeAll(const std::string &text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

} // namespace

int main()
{
    // The input is read and the answers written in blocks of 64 KiB: a
    // read and a write for every line would cost more than its conversion.
    constexpr size_t kBlock = 1 << 16;
    LineConverter converter;
    std::string pending;
    std::string answers;
    answers.reserve(kBlock + 4096);
    std::vector<char> block(kBlock);
    bool written = true;
    for (size_t got; (got = std::fread(block.data(), 1, block.size(), stdin)) > 0;) {
        pending.append(block.data(), got);
        std::string_view rest = pending;
        for (size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1)) {
            converter.convertLine(rest.substr(0, end), answers);
            if (answers.size() >= kBlock) {
                written = written && writeAll(answers);
                answers.clear();
            }
        }
        pending.erase(0, pending.size() - rest.size());
    }
    // A last line without its line end is a request too.
    if (!pending.empty())
        converter.convertLine(pending, answers);
    written = written && writeAll(answers);
    return written && std::fflush(stdout) == 0 && !std::ferror(stdin) ? 0 : 1;
}
