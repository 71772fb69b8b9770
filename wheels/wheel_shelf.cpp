#include "wheels/wheel_shelf.h"

#include "base/app_error.h"
#include "base/file_io.h"

#include <charconv>
#include <filesystem>

std::optional<WheelRecord> findWheelRecord(const std::string &recordsCsv, const WheelTerms &terms)
{
    if (terms.m != terms.t)
        return std::nullopt;
    size_t start = 0;
    while (start < recordsCsv.size()) {
        size_t end = recordsCsv.find('\n', start);
        if (end == std::string::npos)
            end = recordsCsv.size();
        const std::string_view line(recordsCsv.data() + start, end - start);
        start = end + 1;
        int fields[5] = {};
        const char *p = line.data();
        const char *last = line.data() + line.size();
        int n = 0;
        for (; n < 5 && p < last; ++n) {
            const auto [next, error] = std::from_chars(p, last, fields[n]);
            if (error != std::errc{})
                break;
            p = next < last && (*next == ',' || *next == '\r') ? next + 1 : next;
        }
        if (n == 5 && fields[0] == terms.v && fields[1] == terms.k && fields[2] == terms.t)
            return WheelRecord{fields[3], fields[4]};
    }
    return std::nullopt;
}

std::string wheelFileName(const WheelTerms &s)
{
    return std::to_string(s.v) + "-" + std::to_string(s.k) + "-" + std::to_string(s.m) + "-"
           + std::to_string(s.t) + ".txt";
}

std::string wheelFileText(const WheelTerms &s, const std::vector<BetMask> &bets)
{
    return "# " + std::to_string(s.v) + "选" + std::to_string(s.k) + " " + s.guarantee() + " "
           + std::to_string(bets.size()) + "注\n" + wheelText(bets);
}

WheelShelf::WheelShelf(std::vector<std::string> folders)
    : m_folders(std::move(folders))
{}

std::optional<std::vector<BetMask>> WheelShelf::find(const WheelTerms &terms) const
{
    std::optional<std::vector<BetMask>> best;
    for (const std::string &folder : m_folders) {
        const std::string path = folder + wheelFileName(terms);
        std::error_code error;
        if (!std::filesystem::is_regular_file(std::filesystem::path(path), error))
            continue;
        std::optional<std::vector<BetMask>> bets;
        try {
            bets = parseWheelText(readFile(path, 1 << 24));
        } catch (const AppError &) {
            continue; // an unreadable table is one the player does without
        }
        if (bets && !bets->empty() && (!best || bets->size() < best->size()) && verifyWheel(terms, *bets))
            best = std::move(bets);
    }
    return best;
}

bool WheelShelf::keep(const WheelTerms &terms, const std::vector<BetMask> &bets) const
{
    if (m_folders.empty() || bets.empty() || !verifyWheel(terms, bets))
        return false;
    const auto held = find(terms);
    if (held && held->size() <= bets.size())
        return false;
    const std::string &folder = m_folders.back();
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder), error);
    writeFileAtomically(folder + wheelFileName(terms), wheelFileText(terms, bets));
    return true;
}
