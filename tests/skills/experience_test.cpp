#include "skills/experience.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

class Experience_Test : public Game_Test {
 protected:
  Skill_Record& mining() { return Game.skill(Skill::Mining); }
};

TEST_F(Experience_Test, EightCopperFromTheStartReachLevelTwoAndNineMoreLevelThree) {
  for (int i = 0; i < 7; ++i) Gain_Experience(Skill::Mining, 1);
  EXPECT_EQ(mining(), (Skill_Record{7, 1, 8}));  // one below the threshold: no level yet
  Gain_Experience(Skill::Mining, 1);
  EXPECT_EQ(mining(), (Skill_Record{0, 2, 9}));
  for (int i = 0; i < 9; ++i) Gain_Experience(Skill::Mining, 1);
  EXPECT_EQ(mining(), (Skill_Record{0, 3, 10}));
}

TEST_F(Experience_Test, ThresholdsFollowTheLevelTable) {
  constexpr std::array<std::int32_t, 25> thresholds = {8,  9,  10, 11, 12, 13, 14, 15, 16,
                                                       18, 20, 22, 24, 27, 30, 33, 37, 41,
                                                       46, 51, 57, 64, 72, 81, 91};
  for (std::size_t i = 0; i < thresholds.size(); ++i) {
    SCOPED_TRACE(i + 1);
    ASSERT_EQ(mining().Level, static_cast<std::int32_t>(i + 1));
    ASSERT_EQ(mining().Skill_M, thresholds[i]);
    Gain_Experience(Skill::Mining, mining().Skill_M);  // exactly the threshold is enough
    ASSERT_EQ(mining().Skill, 0);
  }
}

struct Gain_Case {
  const char* what;
  Skill_Record before;
  std::int32_t amount;
  Skill_Record after;
};

class Gain_Cases : public Game_Test, public ::testing::WithParamInterface<Gain_Case> {};

TEST_P(Gain_Cases, GainGivesTheExpectedRecord) {
  const Gain_Case& c = GetParam();
  Game.skill(Skill::Fishing) = c.before;
  Game_State expected = Game;
  expected.skill(Skill::Fishing) = c.after;
  Gain_Experience(Skill::Fishing, c.amount);
  EXPECT_EQ(Game.skill(Skill::Fishing), c.after);
  EXPECT_TRUE(Game == expected) << "a gain changed another field";
  EXPECT_TRUE(con.output().empty());
  EXPECT_TRUE(con.sleeps().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Experience, Gain_Cases,
    ::testing::Values(
        Gain_Case{"below", {5, 3, 10}, 4, {9, 3, 10}},
        Gain_Case{"exactly_reaching", {5, 3, 10}, 5, {0, 4, 11}},
        // A Sardine (2) at level 5 with 11 of 12: the point above the threshold is lost.
        Gain_Case{"sardine_discards_the_rest", {11, 5, 12}, 2, {0, 6, 13}},
        // An Iron ore (3) at level 10 with 17 of 18.
        Gain_Case{"iron_at_level_ten", {17, 10, 18}, 3, {0, 11, 20}},
        Gain_Case{"level_nine_threshold_grows_to_18", {0, 9, 16}, 16, {0, 10, 18}},
        Gain_Case{"level_thirteen_threshold_grows_to_27", {0, 13, 24}, 24, {0, 14, 27}},
        Gain_Case{"huge_gain_raises_one_level", {0, 1, 8}, Max, {0, 2, 9}},
        // Near the top of the 32-bit range nothing wraps.
        Gain_Case{"experience_stops_at_the_top", {Max - 5, 400, Max}, 17, {0, 401, Max}},
        Gain_Case{"experience_just_below_the_top", {Max - 100, 400, Max}, 17, {Max - 83, 400, Max}},
        Gain_Case{"threshold_step_reaching_the_top_exactly",
                  {0, 200, 1908874353},
                  1908874353,
                  {0, 201, Max}},
        Gain_Case{
            "threshold_step_stops_at_the_top", {0, 200, 1908874354}, 1908874354, {0, 201, Max}},
        Gain_Case{
            "threshold_step_far_past_the_top", {0, 200, 2000000000}, 2000000000, {0, 201, Max}},
        Gain_Case{"level_stops_at_the_top", {0, Max, 100}, 100, {0, Max, 112}}),
    [](const ::testing::TestParamInfo<Gain_Case>& info) { return std::string(info.param.what); });

TEST_F(Experience_Test, TrainingFarBeyondPlayNeverWrapsAndEndsAtTheTopThreshold) {
  std::int32_t last = mining().Skill_M;
  for (int i = 0; i < 400; ++i) {
    const std::int32_t before = mining().Skill_M;
    Gain_Experience(Skill::Mining, before);
    ASSERT_GE(mining().Skill_M, last);
    // Until the top is reached the step is exactly an eighth, in whole numbers.
    if (before <= Max / 9 * 8) {
      ASSERT_EQ(mining().Skill_M, before + before / 8) << "level " << mining().Level;
    }
    last = mining().Skill_M;
  }
  EXPECT_EQ(mining().Skill_M, Max);
  EXPECT_EQ(mining().Level, 401);
  EXPECT_EQ(mining().Skill, 0);
}

TEST_F(Experience_Test, OnlyTheGainingSkillChanges) {
  for (Skill skill :
       {Skill::Mining, Skill::Fishing, Skill::Woodcutting, Skill::Firemaking, Skill::Cooking}) {
    reset_game_state();
    Gain_Experience(skill, 3);
    for (int i = 0; i < Skill_Count; ++i) {
      const auto other = static_cast<Skill>(i);
      const Skill_Record expected = other == skill ? Skill_Record{3, 1, 8} : Skill_Record{};
      EXPECT_EQ(Game.skill(other), expected) << "gain in skill " << static_cast<int>(skill);
    }
  }
}

}  // namespace
}  // namespace fm
