#include "results/result_grid_model.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

void add(ResultGridModel &model, std::vector<std::string_view> bet)
{
    model.appendBet(Lottery{Lotto, 99, static_cast<int>(bet.size())}, bet);
}

void show(ResultGridModel &model, ResultGrid grid, int count)
{
    ResultGridModel::Snapshot shown;
    shown.grid = std::move(grid);
    model.exchange(std::move(shown), count);
}

} // namespace

// Bets are keyed by their numbers packed seven bits a number into two words;
// a bet of 快乐8 (ten numbers) spans both, and any bet that does not pack
// still has its repeats found.
TEST(RepeatFlags, FoundWhateverTheBetLooksLike)
{
    ResultGridModel ten;
    add(ten, {"01", "05", "12", "17", "23", "28", "33", "41", "56", "80"});
    add(ten, {"01", "05", "12", "17", "23", "28", "33", "41", "56", "79"}); // only the tenth differs
    add(ten, {"01", "05", "12", "17", "23", "28", "33", "41", "56", "80"});
    add(ten, {"01", "05", "12", "17", "23", "28", "33", "41", "57", "79"});
    EXPECT_EQ(ten.repeatOf(1), 0);
    EXPECT_EQ(ten.repeatOf(2), 0);
    EXPECT_EQ(ten.repeatOf(3), 1);
    EXPECT_EQ(ten.repeatOf(4), 0);

    // Texts, not values, make a bet: "7" and "07" differ, as on the screen.
    ResultGridModel digits;
    add(digits, {"7", "1", "2"});
    add(digits, {"07", "1", "2"});
    add(digits, {"7", "1", "2"});
    EXPECT_EQ(digits.repeatOf(2), 0);
    EXPECT_EQ(digits.repeatOf(3), 1);

    // Cells a file brought that are no numbers of one or two digits, and
    // bets of more numbers than two words hold.
    ResultGrid loaded;
    loaded.setColumnCount(4);
    loaded.setRow(0, {"序号", "号码1", "号码2", "号码3"});
    loaded.setRow(1, {"1", "甲", "123", ""});
    loaded.appendRow({"2", "甲", "123", "9"});
    loaded.appendRow({"3", "甲", "123", ""});
    ResultGridModel odd;
    show(odd, loaded, 3);
    EXPECT_EQ(odd.repeatOf(2), 0);
    EXPECT_EQ(odd.repeatOf(3), 1);
    add(odd, {"甲", "123", "9"});
    EXPECT_EQ(odd.repeatOf(4), 2);

    std::vector<std::string> many;
    for (int i = 1; i <= 20; ++i)
        many.push_back(std::to_string(i));
    std::vector<std::string> other = many;
    other.back() = "21";
    const std::vector<std::string_view> twenty(many.begin(), many.end());
    ResultGridModel wide;
    add(wide, twenty);
    add(wide, std::vector<std::string_view>(other.begin(), other.end()));
    add(wide, twenty);
    EXPECT_EQ(wide.repeatOf(2), 0);
    EXPECT_EQ(wide.repeatOf(3), 1);

    // The empty row of an emptied table repeats nothing, and what it held
    // before is forgotten.
    show(ten, ResultGrid(), 10);
    EXPECT_EQ(ten.repeatOf(1), 0);
    add(ten, {"01", "05", "12", "17", "23", "28", "33", "41", "56", "80"});
    EXPECT_EQ(ten.repeatOf(1), 0);
}
