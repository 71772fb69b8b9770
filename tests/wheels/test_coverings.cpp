// 旋转矩阵: the exact check against a brute-force count, the search's
// guarantees (complete, seeded, cancellable), the wheel files, and every
// shipped table checked and held to 1.10 × the La Jolla record.
#include "wheels/covering_search.h"
#include "wheels/grown_wheel.h"
#include "wheels/orbit_search.h"
#include "wheels/subset_rank.h"
#include "wheels/weighted_cover.h"
#include "wheels/wheel_shelf.h"

#include "base/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

// The guarantee read off its definition, one drawn set at a time.
bool bruteForceHolds(const WheelTerms &s, const std::vector<BetMask> &bets)
{
    for (BetMask drawn = 0; drawn < (BetMask{1} << s.v); ++drawn) {
        if (std::popcount(drawn) != s.m)
            continue;
        int most = 0;
        for (const BetMask bet : bets)
            most = std::max(most, std::popcount(bet & drawn));
        if (most < s.t)
            return false;
    }
    return true;
}

std::string tempFolder(const std::string &name)
{
    const auto path
        = std::filesystem::temp_directory_path() / ("korvel-wheels-" + name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path.string() + "/";
}

} // namespace

// Random wheels, some complete and most not, for guarantees with M = T and
// M > T: the check must agree with the definition every time.
TEST(WheelCheck, AgreesWithTheDefinition)
{
    std::mt19937_64 random(7);
    const std::vector<WheelTerms> termsList{
        {8, 4, 2, 2}, {9, 5, 3, 2}, {10, 5, 4, 3}, {9, 6, 5, 4}, {10, 6, 6, 3}};
    int complete = 0;
    for (const WheelTerms &terms : termsList) {
        ASSERT_FALSE(wheelTermsProblem(terms));
        const SubsetRanker bets(terms.v, terms.k);
        for (int trial = 0; trial < 60; ++trial) {
            std::vector<BetMask> wheel;
            for (int i = 0; i < 3 + trial / 4; ++i)
                wheel.push_back(bets.unrank(static_cast<std::uint32_t>(random() % bets.size())));
            const bool holds = bruteForceHolds(terms, wheel);
            complete += holds;
            ASSERT_EQ(verifyWheel(terms, wheel), holds) << terms.guarantee() << " trial " << trial;
        }
    }
    EXPECT_GT(complete, 20);                                                       // both answers were tried
    EXPECT_FALSE(verifyWheel({8, 4, 2, 2}, {0b1111, 0b11110000, 0b111100000000})); // a number above V
    EXPECT_FALSE(verifyWheel({8, 4, 2, 2}, {0b11111, 0b11110000, 0b11110}));       // five numbers in a bet
}

TEST(WheelCheck, RefusesGuaranteesThatMeanNothing)
{
    EXPECT_EQ(wheelTermsProblem({10, 6, 5, 1})->message, "保证条件须满足 2 ≤ 保 ≤ 中 ≤ 每注号码个数。");
    EXPECT_EQ(wheelTermsProblem({10, 6, 4, 5})->message, "保证条件须满足 2 ≤ 保 ≤ 中 ≤ 每注号码个数。");
    EXPECT_EQ(wheelTermsProblem({10, 5, 6, 5})->message, "保证条件须满足 2 ≤ 保 ≤ 中 ≤ 每注号码个数。");
    EXPECT_EQ(wheelTermsProblem({6, 6, 3, 3})->message, "旋转矩阵所选号码须多于每注号码个数（6个）。");
    EXPECT_EQ(wheelTermsProblem({36, 6, 3, 3})->message, "旋转矩阵最多可选35个号码。");
    EXPECT_EQ(wheelTermsProblem({35, 8, 8, 3})->message, "号码太多，无法计算中8保3的旋转矩阵。");
    EXPECT_FALSE(wheelTermsProblem({35, 7, 7, 2}));
}

// A 中M保T wheel with M > T is searched against M-sets; it comes out complete
// and smaller than the T-set covering it starts from.
TEST(WheelSearch, LargerDrawsNeedFewerBets)
{
    const WheelTerms terms{12, 5, 5, 3};
    WheelSearchOptions options;
    options.seconds = 0;
    options.steps = 20000;
    const auto wheel = searchWheel(terms, options);
    EXPECT_TRUE(bruteForceHolds(terms, wheel));
    EXPECT_LT(wheel.size(), greedyWheel({12, 5, 3, 3}).size());
}

TEST(WheelSearch, SameSeedSameWheelAndCancelStopsAtOnce)
{
    const WheelTerms terms{15, 6, 4, 4};
    WheelSearchOptions options;
    options.seconds = 0;
    options.steps = 3000;
    options.seed = 11;
    int reports = 0;
    options.progress = [&](const WheelProgress &p) {
        EXPECT_GT(p.bets, 0);
        ++reports;
    };
    const auto first = searchWheel(terms, options);
    EXPECT_GT(reports, 0);
    EXPECT_EQ(searchWheel(terms, options), first);
    EXPECT_TRUE(verifyWheel(terms, first));

    // A search told to stop before it starts still gives a whole wheel.
    std::atomic<bool> cancel{true};
    options.steps = 0;
    options.seconds = 600;
    options.cancel = &cancel;
    const auto cancelled = searchWheel(terms, options);
    EXPECT_TRUE(verifyWheel(terms, cancelled));
}

TEST(WheelShelf, KeepsOnlySmallerCheckedWheelsAndIgnoresDamagedFiles)
{
    const std::string shipped = tempFolder("shipped");
    const std::string kept = tempFolder("kept");
    const WheelTerms terms{7, 3, 2, 2};
    // The Fano plane: 7 bets, every pair once.
    const std::vector<BetMask> fano
        = sortedBets({betMask({1, 2, 4}), betMask({2, 3, 5}), betMask({3, 4, 6}), betMask({4, 5, 7}),
                      betMask({5, 6, 1}), betMask({6, 7, 2}), betMask({7, 1, 3})});
    std::vector<BetMask> padded = fano;
    padded.push_back(betMask({1, 2, 3}));
    writeFileAtomically(shipped + wheelFileName(terms), wheelFileText(terms, padded));

    const WheelShelf shelf({shipped, kept});
    EXPECT_EQ(shelf.find(terms)->size(), 8u);
    EXPECT_FALSE(shelf.keep(terms, {fano.begin(), fano.end() - 1})); // incomplete
    EXPECT_TRUE(shelf.keep(terms, fano));
    EXPECT_EQ(shelf.find(terms), fano);
    EXPECT_FALSE(shelf.keep(terms, padded));
    EXPECT_EQ(readFile(kept + "7-3-2-2.txt"),
              "# 7选3 中2保2 7注\n01 02 04\n01 03 07\n01 05 06\n02 03 05\n02 06 07\n"
              "03 04 06\n04 05 07\n");

    // A hand-edited table that lost its guarantee, or holds no numbers, is passed over.
    writeFileAtomically(kept + wheelFileName(terms), "01 02 04\n02 03 05\n");
    EXPECT_EQ(shelf.find(terms)->size(), 8u);
    writeFileAtomically(kept + wheelFileName(terms), "01 02 x4\n");
    EXPECT_EQ(shelf.find(terms)->size(), 8u);
    // The player's own seven numbers take the wheel's places, in any order.
    const auto mine = wheelBets(fano, {33, 4, 18, 9, 27, 12, 6});
    ASSERT_EQ(mine.size(), 7u);
    EXPECT_EQ(mine.front(), (std::vector<int>{4, 6, 12}));  // 02 06 07
    EXPECT_EQ(mine.back(), (std::vector<int>{12, 27, 33})); // 01 05 06
    EXPECT_EQ(parseWheelText("01 02 36\n"), std::nullopt);
    EXPECT_EQ(parseWheelText("01 02 02\n"), std::nullopt);
    std::filesystem::remove_all(shipped);
    std::filesystem::remove_all(kept);
}

// A wheel for one number more grows from the shelf's: the Fano plane for
// 1..7 and pairs that hold every one of 1..7, each with 8 added, give the
// 11 bets of the record for 8 numbers, 3 a bet, 中2保2; with 中3保3 the
// smaller wheels come from a search and the grown one is still complete.
TEST(GrownWheel, OneNumberMoreFromTwoSmallerWheels)
{
    const std::string folder = tempFolder("grown");
    const std::vector<BetMask> fano
        = sortedBets({betMask({1, 2, 4}), betMask({2, 3, 5}), betMask({3, 4, 6}), betMask({4, 5, 7}),
                      betMask({5, 6, 1}), betMask({6, 7, 2}), betMask({7, 1, 3})});
    writeFileAtomically(folder + "7-3-2-2.txt", wheelFileText({7, 3, 2, 2}, fano));
    const WheelShelf shelf({folder});
    const auto grown = grownWheel(shelf, {8, 3, 2, 2}, 0);
    ASSERT_TRUE(grown);
    EXPECT_EQ(grown->size(), 11u);
    EXPECT_TRUE(bruteForceHolds({8, 3, 2, 2}, *grown));
    const auto wider = grownWheel(shelf, {10, 5, 3, 3}, 0);
    ASSERT_TRUE(wider);
    EXPECT_TRUE(bruteForceHolds({10, 5, 3, 3}, *wider));
    EXPECT_FALSE(grownWheel(shelf, {10, 5, 4, 3}, 0)); // only for M = T
    std::filesystem::remove_all(folder);
}

// Every row of the records file has a shipped wheel in the program folder
// that passes the exact check, within 1.10 × the record.
TEST(ShippedWheels, EveryRecordRowIsCheckedAndNearTheRecord)
{
    const std::string folder = KORVEL_DIST_DIR "/附属/旋转矩阵/";
    const std::string records = readFile(folder + "records.csv");
    std::istringstream lines(records);
    const WheelShelf shelf({folder});
    int rows = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] < '0' || line[0] > '9')
            continue;
        WheelTerms terms;
        char comma = 0;
        std::istringstream fields(line);
        fields >> terms.v >> comma >> terms.k >> comma >> terms.t;
        terms.m = terms.t;
        const auto record = findWheelRecord(records, terms);
        ASSERT_TRUE(record);
        const auto wheel = shelf.find(terms); // find() returns only wheels that pass verifyWheel
        ASSERT_TRUE(wheel) << line;
        EXPECT_LE(wheel->size() * 100, static_cast<size_t>(record->bets) * 110) << line;
        EXPECT_GE(static_cast<int>(wheel->size()), record->lowerBound) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 153);
}

// The groups the orbit search uses are groups (each element undone by its
// inverse), and a wheel made of orbits holds every image of each of its bets.
TEST(OrbitSearch, WheelsOfWholeOrbitsAreCompleteAndClosed)
{
    const WheelTerms terms{17, 5, 3, 3};
    const std::vector<NumberGroup> groups = wheelGroups(terms, true);
    // Z17, Z16, Z15; 17 is prime: multipliers of order 2, 4, 8; cycles of 2 … 8 numbers
    ASSERT_EQ(groups.size(), 3u + 3u + 7u);
    for (const NumberGroup &group : groups)
        for (size_t g = 0; g < group.size(); ++g) {
            ASSERT_LT(group.inverse(g), group.size()) << group.name();
            for (int number = 0; number < terms.v; ++number) {
                const BetMask one = BetMask{1} << number;
                ASSERT_EQ(group.apply(group.inverse(g), group.apply(g, one)), one) << group.name();
            }
        }
    const NumberGroup &rotation = groups.front();
    const auto wheel = orbitWheel(terms, rotation, 3, {20000, 0, nullptr});
    ASSERT_FALSE(wheel.empty());
    EXPECT_TRUE(verifyWheel(terms, wheel));
    EXPECT_EQ(wheel.size() % 17, 0u);
    for (const BetMask bet : wheel)
        EXPECT_TRUE(std::binary_search(wheel.begin(), wheel.end(), rotation.apply(1, bet)));
}

// The weighted cover reaches the record of 34 bets for 13 numbers, 5 a bet,
// 中3保3, from a greedy start (without the weights it stops at 36 or 37),
// and the Steiner system S(4, 5, 11), 66 bets that hold every 4 of 11
// numbers exactly once, made of orbits of the rotation of 11. A search with
// no bound at all still drops a bet the others make unnecessary.
TEST(WeightedCover, ReachesRecordsFromAGreedyStartAndDropsSpareBets)
{
    const WheelTerms thirteen{13, 5, 3, 3};
    const auto single = weightedCoverWheel(thirteen, NumberGroup::rotation(13, 1), 4, {200000, 0, nullptr});
    EXPECT_EQ(single.size(), 34u);
    EXPECT_TRUE(bruteForceHolds(thirteen, single));
    const WheelTerms eleven{11, 5, 4, 4};
    const NumberGroup rotation = NumberGroup::rotation(11, 11);
    const auto orbits = weightedCoverWheel(eleven, rotation, 5, {20000, 0, nullptr});
    EXPECT_EQ(orbits.size(), 66u);
    EXPECT_TRUE(bruteForceHolds(eleven, orbits));
    for (const BetMask bet : orbits)
        EXPECT_TRUE(std::binary_search(orbits.begin(), orbits.end(), rotation.apply(1, bet)));
    EXPECT_TRUE(weightedCoverWheel({11, 5, 5, 4}, rotation, 5, {20000, 0, nullptr}).empty()); // M > T

    WheelSearchOptions options;
    options.seconds = 0;
    options.start = single;
    options.start.push_back(betMask({1, 2, 3, 4, 5}));
    EXPECT_EQ(searchWheel(thirteen, options), sortedBets(single));
}
