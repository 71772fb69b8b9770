// What the 组号 window's controls mean: marks, typed numbers, the wheels
// offered, the price line and the grid's room.
#include "wheels/compose_plan.h"

#include <gtest/gtest.h>

TEST(ComposePlan, MarksCycleAndMakeTheZoneChoice)
{
    EXPECT_EQ(nextMark(BallMark::None), BallMark::Chosen);
    EXPECT_EQ(nextMark(BallMark::Chosen), BallMark::Banker);
    EXPECT_EQ(nextMark(BallMark::Banker), BallMark::Killed);
    EXPECT_EQ(nextMark(BallMark::Killed), BallMark::None);
    const ZoneChoice choice = zoneChoice(
        {BallMark::Chosen, BallMark::Banker, BallMark::Killed, BallMark::None, BallMark::Chosen}, 1);
    EXPECT_EQ(choice.bankers, std::vector<int>{2});
    EXPECT_EQ(choice.others, (std::vector<int>{1, 5}));
}

TEST(ComposePlan, TypedNumbersMarkBallsAndBadOnesAreRefused)
{
    const auto typed = parseZoneText("胆:03 拖:01，16", 1, 16);
    ASSERT_TRUE(typed.accepted());
    const ZoneChoice choice = zoneChoice(typed.value(), 1);
    EXPECT_EQ(choice.bankers, std::vector<int>{3});
    EXPECT_EQ(choice.others, (std::vector<int>{1, 16}));
    EXPECT_FALSE(parseZoneText("01 17", 1, 16).accepted());
    EXPECT_FALSE(parseZoneText("0", 1, 16).accepted());
    EXPECT_FALSE(parseZoneText("01 x", 1, 16).accepted());
    EXPECT_TRUE(parseZoneText("0 9", 0, 9).accepted());
}

TEST(ComposePlan, OnlyGuaranteesTheChosenNumbersCanGiveAreOffered)
{
    const std::vector<WheelTerms> twelve = offeredWheels(12, 6);
    ASSERT_FALSE(twelve.empty());
    EXPECT_EQ(twelve.front(), (WheelTerms{12, 6, 2, 2}));
    EXPECT_EQ(twelve.back(), (WheelTerms{12, 6, 6, 6}));
    EXPECT_EQ(twelve.size(), 15u); // m from 2 to 6, t from 2 to m
    // 中m needs m chosen numbers, and a wheel needs more numbers than a bet.
    EXPECT_EQ(offeredWheels(7, 6).back(), (WheelTerms{7, 6, 6, 6}));
    EXPECT_TRUE(offeredWheels(6, 6).empty());
    EXPECT_EQ(offeredWheels(4, 3).back(), (WheelTerms{4, 3, 3, 3}));
}

TEST(ComposePlan, CountLineAndGridRoom)
{
    EXPECT_EQ(countLine(620160), "共620160注 投入1240320元");
    EXPECT_EQ(countLine(10, true), "共10注 投入30元");
    EXPECT_EQ(countLine(~BetCount{0}), "注数太大，无法投注");
    EXPECT_FALSE(gridRoom(0, kGridCapacity));
    EXPECT_FALSE(gridRoom(1, kGridCapacity - 1));
    EXPECT_TRUE(gridRoom(1, kGridCapacity));
    EXPECT_TRUE(gridRoom(0, ~BetCount{0}));
}
