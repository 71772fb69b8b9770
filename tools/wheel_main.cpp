// korvel-wheel V K M T: prints the smallest 旋转矩阵 it has or finds for V
// chosen numbers, K a bet, 中M保T: one bet a line (numbers 1..V ascending,
// two-digit form), then "# bets N record R" (R is "-" where no record is
// known). A wheel already as small as the record is printed without a
// search; otherwise the search starts from the best one on the shelf.
//   --seconds S   bound the search (default 10; 0 prints the shelf's or the
//                 greedy wheel without the bets the others make unnecessary)
//   --steps N     bound the search by steps instead, for a result that does
//                 not depend on the machine (with --seconds 0 for no time bound)
//   --seed N      the search's seed (default 1)
//   --tables DIR  the wheel folder (default: the built program folder's)
//   --fresh       ignore the wheels on the shelf (and those grown from the
//                 shelf's smaller wheels)
//   --keep        store the result on the shelf when it is smaller
//   --groups      also try orbits of affine groups and of turns of several
//                 cycles (slower; for the tables)
//   --group NAME  only the orbits of this group ("Z7^2+5"), to follow again
//                 the path that made a table
#include "base/app_error.h"
#include "base/file_io.h"
#include "base/int_text.h"
#include "wheels/covering_search.h"
#include "wheels/grown_wheel.h"
#include "wheels/number_group.h"
#include "wheels/wheel_shelf.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::cerr << "用法: korvel-wheel V K M T [--seconds S] [--steps N] [--seed N] [--tables DIR] [--fresh] "
                 "[--keep] [--groups] [--group NAME]\n";
    return 2;
}

std::string folderPath(std::string path)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        std::vector<int> numbers;
        WheelSearchOptions options;
        std::string tables = KORVEL_WHEEL_TABLES;
        bool fresh = false;
        bool keep = false;
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            const bool hasValue = i + 1 < argc;
            if (arg == "--seconds" && hasValue)
                options.seconds = std::stod(argv[++i]);
            else if (arg == "--steps" && hasValue)
                options.steps = std::stoull(argv[++i]);
            else if (arg == "--seed" && hasValue)
                options.seed = std::stoull(argv[++i]);
            else if (arg == "--tables" && hasValue)
                tables = argv[++i];
            else if (arg == "--fresh")
                fresh = true;
            else if (arg == "--keep")
                keep = true;
            else if (arg == "--groups")
                options.affineGroups = true;
            else if (arg == "--group" && hasValue)
                options.group = argv[++i];
            else if (!arg.starts_with("--"))
                numbers.push_back(strToIntChecked(arg));
            else
                return usage();
        }
        if (numbers.size() != 4)
            return usage();
        const WheelTerms terms{numbers[0], numbers[1], numbers[2], numbers[3]};
        if (const Check problem = wheelTermsProblem(terms)) {
            std::cerr << problem->message << '\n';
            return 1;
        }
        if (!options.group.empty()) {
            const std::vector<NumberGroup> groups = wheelGroups(terms, true);
            if (std::none_of(groups.begin(), groups.end(),
                             [&](const NumberGroup &group) { return group.name() == options.group; })) {
                std::cerr << "没有名为" << options.group << "的置换群，可选：";
                for (const NumberGroup &group : groups)
                    std::cerr << ' ' << group.name();
                std::cerr << '\n';
                return 2;
            }
        }
        tables = folderPath(tables);
        std::string records;
        try {
            records = readFile(tables + "records.csv");
        } catch (const AppError &) {
            // Without the records file every search runs to its bound.
        }
        const auto record = findWheelRecord(records, terms);
        const WheelShelf shelf({tables});
        if (!fresh) {
            if (auto held = shelf.find(terms))
                options.start = std::move(*held);
            // The wheel grown from the shelf's smaller ones is a start too,
            // when it is smaller than the one at hand.
            if (auto grown = grownWheel(shelf, terms, std::min(options.seconds, 5.0));
                grown && (options.start.empty() || grown->size() < options.start.size()))
                options.start = std::move(*grown);
        }
        options.goal = record ? record->bets : 0;
        std::vector<BetMask> bets = options.start;
        const bool enough = !bets.empty() && record && static_cast<int>(bets.size()) <= record->bets;
        // With no bound, searchWheel only drops the start's unnecessary bets.
        if (!enough)
            bets = searchWheel(terms, options);
        if (!verifyWheel(terms, bets)) {
            std::cerr << "旋转矩阵未通过检验。\n";
            return 1;
        }
        if (keep)
            shelf.keep(terms, bets);
        std::cout << wheelText(bets) << "# bets " << bets.size() << " record "
                  << (record ? std::to_string(record->bets) : std::string("-")) << '\n';
        return 0;
    } catch (const AppError &error) {
        std::cerr << error.what() << '\n';
        return 1;
    } catch (const std::exception &) {
        return usage();
    }
}
