// The floor for korvel-convert: the same requests and the same conversions,
// with nothing around them but plain integer work: the input read in one
// go, fields found by pointer, numbers read with from_chars, the answers
// written in one go. korvel-convert is measured against this.
#include "engine/conversion.h"

#include <charconv>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

int integer(std::string_view text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

int main()
{
    std::string input;
    char block[1 << 16];
    for (ssize_t got; (got = read(STDIN_FILENO, block, sizeof block)) > 0;)
        input.append(block, static_cast<size_t>(got));
    std::string output;
    output.reserve(input.size());
    DrawGenerator draws;
    ConversionRequest request;
    std::vector<std::string_view> fields;
    std::string_view rest = input;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        fields.clear();
        for (size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1))
            fields.push_back(line.substr(0, tab));
        fields.push_back(line);
        Lottery &lottery = request.lottery;
        lottery = {integer(fields[0]), integer(fields[1]), integer(fields[2])};
        request.method = fields[3];
        request.arrangement = fields[4];
        request.direction = fields[5];
        request.year = fields[6];
        request.month = fields[7];
        request.day = fields[8];
        request.hour = fields[9];
        request.initial = fields[10];
        const size_t front = 11 + static_cast<size_t>(lottery.count);
        request.boxes.assign(fields.begin() + 11, fields.begin() + static_cast<long>(front));
        if (fields.size() > front && fields[front] == "+") {
            lottery.backName = kDefaultBackName;
            lottery.backTotal = integer(fields[front + 1]);
            lottery.backCount = integer(fields[front + 2]);
            request.boxes.insert(request.boxes.end(), fields.begin() + static_cast<long>(front + 3),
                                 fields.begin() + static_cast<long>(front + 3 + lottery.backCount));
        }
        const ConversionResult result = convert(request, draws);
        output += result.accepted() ? lottery.betText(result.value()) : "! " + result.refusal();
        output += '\n';
    }
    for (size_t written = 0; written < output.size();) {
        const ssize_t put = write(STDOUT_FILENO, output.data() + written, output.size() - written);
        if (put <= 0)
            return 1;
        written += static_cast<size_t>(put);
    }
    return 0;
}
