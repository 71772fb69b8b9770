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

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr size_t kFixedFields = 11;

std::vector<std::string> splitTabs(const std::string &line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::string convertLine(std::string line, DrawGenerator &draws)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const std::vector<std::string> fields = splitTabs(line);
    if (fields.size() < kFixedFields)
        return "! 字段不足：至少需要" + std::to_string(kFixedFields) + "个字段，只有"
               + std::to_string(fields.size()) + "个";
    ConversionRequest request;
    request.lottery.kind = strToInt(fields[0]);
    request.lottery.total = strToInt(fields[1]);
    request.lottery.count = strToInt(fields[2]);
    const size_t needed = kFixedFields + static_cast<size_t>(std::max(request.lottery.count, 0));
    if (fields.size() < needed)
        return "! 字段不足：需要" + std::to_string(needed) + "个字段，只有" + std::to_string(fields.size())
               + "个";
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
        if (fields.size() < needed + 3)
            return "! 字段不足：“+”之后需要后区的号码总数和号码个数";
        request.lottery.backName = kDefaultBackName;
        request.lottery.backTotal = strToInt(fields[needed + 1]);
        request.lottery.backCount = strToInt(fields[needed + 2]);
        const size_t backNeeded = needed + 3 + static_cast<size_t>(std::max(request.lottery.backCount, 0));
        if (fields.size() < backNeeded)
            return "! 字段不足：需要" + std::to_string(backNeeded) + "个字段，只有"
                   + std::to_string(fields.size()) + "个";
        request.boxes.insert(request.boxes.end(), fields.begin() + static_cast<long>(needed + 3),
                             fields.begin() + static_cast<long>(backNeeded));
    }
    const ConversionResult result = convert(request, draws);
    if (!result.accepted())
        return "! " + result.refusal();
    return request.lottery.betText(result.value());
}

} // namespace

int main()
{
    // Standard input untied from the output, and the answers gathered into
    // blocks: a write for every line would cost more than its conversion.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    constexpr size_t kBlock = 1 << 16;
    DrawGenerator draws;
    std::string line;
    std::string answers;
    answers.reserve(kBlock + 4096);
    while (std::getline(std::cin, line)) {
        try {
            answers += convertLine(line, draws);
        } catch (const std::exception &error) {
            answers += "! ";
            answers += error.what();
        }
        answers += '\n';
        if (answers.size() >= kBlock) {
            std::cout.write(answers.data(), static_cast<std::streamsize>(answers.size()));
            answers.clear();
        }
    }
    std::cout.write(answers.data(), static_cast<std::streamsize>(answers.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
}
