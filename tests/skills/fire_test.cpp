#include "skills/fire.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

constexpr std::string_view Fire_Question =
    "Would you like to do with the fire? \n1 extinguish, 2 cook, 3 walk, 4 nothing\n";
constexpr std::string_view Fish_Question = "What type of fish would you like to cook?\n";
constexpr std::string_view Fish_Closing = "Press any key to cook nothing.\n";

// The player at column 10, row 10 with a fire on every side.
class Fire_Test : public Game_Test {
 protected:
  void SetUp() override {
    Game_Test::SetUp();
    Game.x = 10;
    Game.y = 10;
    Game.set_square(10, 10, '@');
    for (auto [row, column] : {std::pair{9, 10}, {11, 10}, {10, 9}, {10, 11}}) {
      Game.set_square(row, column, 'F');
    }
    Game.Right = 1;
  }

  static std::string cook_screen(std::string_view list) {
    return std::string(Fire_Question) + std::string(Fish_Question) + std::string(list) +
           std::string(Fish_Closing);
  }
};

struct Extinguish_Case {
  const char* what;
  std::int32_t Game_State::*flag;
  std::int32_t column;
  std::int32_t row;
};

class Extinguish : public Fire_Test, public ::testing::WithParamInterface<Extinguish_Case> {};

TEST_P(Extinguish, ThePlayerStepsOntoTheFire) {
  const Extinguish_Case& c = GetParam();
  Game.Right = 0;
  Game.*c.flag = 1;
  Game_State expected = Game;
  expected.set_square(10, 10, ' ');
  expected.set_square(c.row, c.column, '@');
  expected.x = c.column;
  expected.y = c.row;
  expected.choice = 1;
  con.answer(1);
  Fire_Action();
  EXPECT_EQ(con.output(), Fire_Question);
  EXPECT_TRUE(con.sleeps().empty());
  EXPECT_TRUE(Game == expected);
}

INSTANTIATE_TEST_SUITE_P(Fire, Extinguish,
                         ::testing::Values(Extinguish_Case{"up", &Game_State::Up, 10, 9},
                                           Extinguish_Case{"down", &Game_State::Down, 10, 11},
                                           Extinguish_Case{"left", &Game_State::Left, 9, 10},
                                           Extinguish_Case{"right", &Game_State::Right, 11, 10}),
                         [](const ::testing::TestParamInfo<Extinguish_Case>& info) {
                           return std::string(info.param.what);
                         });

TEST_F(Fire_Test, ExtinguishWithoutADirectionDoesNothing) {
  Game.Right = 0;
  Game_State expected = Game;
  expected.choice = 1;
  con.answer(1);
  Fire_Action();
  EXPECT_TRUE(Game == expected);
}

TEST_F(Fire_Test, ANewCharacterCooksAMinnow) {
  Game.Inventory[Minnow] = 2;
  Game.total = 26;
  Game_State expected = Game;
  expected.Inventory[Minnow] = 1;
  expected.Inventory[Cooked_Minnow] = 1;
  expected.skill(Skill::Cooking).Skill = 1;
  expected.choice = 1;
  con.answer(2).answer(1);
  Fire_Action();
  EXPECT_EQ(con.output(), cook_screen("1 Minnow, ") + "You cook a Minnow.");
  EXPECT_EQ(con.sleeps(), (std::vector<std::int64_t>{3, 1}));
  EXPECT_TRUE(Game == expected);  // total unchanged, the fire still there
}

TEST_F(Fire_Test, NoFishHeldShowsOnlyTheClosing) {
  Game.skill(Skill::Cooking).Level = 5;
  const Game_State before = Game;
  con.answer(2).answer(2);
  Fire_Action();
  EXPECT_EQ(con.output(), cook_screen(""));
  EXPECT_TRUE(con.sleeps().empty());
  Game_State expected = before;
  expected.choice = 2;
  EXPECT_TRUE(Game == expected);
}

TEST_F(Fire_Test, ANegativeCounterIsNeverCooked) {
  Game.Inventory[Minnow] = -2;
  con.answer(2).answer(1);
  Fire_Action();
  EXPECT_EQ(con.output(), cook_screen(""));
  EXPECT_EQ(Game.Inventory[Minnow], -2);
  EXPECT_EQ(Game.Inventory[Cooked_Minnow], 0);
}

TEST_F(Fire_Test, NumbersOutsideTheTableCookNothing) {
  for (std::int32_t n = 1; n <= Fishes.count; ++n) Game.Inventory[item_in(Fishes, n)] = 1;
  for (std::int32_t answer : {0, -1, 18, 2147483647}) {
    const Game_State before = Game;
    con.answer(2).answer(answer);
    Fire_Action();
    Game_State expected = before;
    expected.choice = answer;
    EXPECT_TRUE(Game == expected) << "answer " << answer;
  }
  EXPECT_TRUE(con.sleeps().empty());
}

TEST_F(Fire_Test, WalkingInBurnsAndWaitsForANumber) {
  Game.Inventory[Minnow] = 1;
  Game_State expected = Game;
  expected.choice = 42;
  con.answer(3).answer(42).answer(7);
  Fire_Action();
  EXPECT_EQ(con.output(), std::string(Fire_Question) + "You have been burned.");
  EXPECT_EQ(con.typed_left(), "\n7\n");  // exactly one number is read after the message
  EXPECT_TRUE(con.sleeps().empty());
  EXPECT_TRUE(Game == expected);
}

TEST_F(Fire_Test, WalkingInAtTheEndOfInputEndsTheGameAsAQuit) {
  con.answer(3);
  EXPECT_THROW(Fire_Action(), End_Of_Input);
}

TEST_F(Fire_Test, OtherAnswersDoNothing) {
  for (std::int32_t answer : {4, 0, 9, -1}) {
    const Game_State before = Game;
    con.clear_output();
    con.answer(answer);
    Fire_Action();
    EXPECT_EQ(con.output(), Fire_Question);
    Game_State expected = before;
    expected.choice = answer;
    EXPECT_TRUE(Game == expected) << "answer " << answer;
  }
}

// Every fish of the cooking table: from Sardine on it is offered at exactly its level.
struct Fish_Row {
  const char* entry;
  Item raw;
  Item cooked;
  std::int32_t level;
  std::int32_t experience;
  const char* message;
};

class Cooking_Levels : public Fire_Test, public ::testing::WithParamInterface<Fish_Row> {
 protected:
  // Holds one of every raw fish at `level`, asks to cook and answers this fish's number.
  void try_cook(std::int32_t level) {
    reset_game_state();
    Fire_Test::SetUp();
    for (std::int32_t n = 1; n <= Fishes.count; ++n) Game.Inventory[item_in(Fishes, n)] = 1;
    Game.skill(Skill::Cooking) = Skill_Record{0, level, 1000};
    con.clear_output();
    con.answer(2).answer(GetParam().experience);
    Fire_Action();
  }
};

TEST_P(Cooking_Levels, CookedAtExactlyItsLevel) {
  const Fish_Row& row = GetParam();
  try_cook(row.level);
  const std::string list = row.raw == Minnow ? "1 Minnow, " : "1 Minnow, " + std::string(row.entry);
  EXPECT_EQ(con.output(), cook_screen(list) + row.message);
  EXPECT_EQ(con.sleeps(), (std::vector<std::int64_t>{3, 1}));
  EXPECT_EQ(Game.Inventory[row.raw], 0);
  EXPECT_EQ(Game.Inventory[row.cooked], 1);
  EXPECT_EQ(Game.skill(Skill::Cooking).Skill, row.experience);
  EXPECT_EQ(Game.total, 28);
}

TEST_P(Cooking_Levels, OneLevelBelowOrAboveOnlyMinnowIsOffered) {
  const Fish_Row& row = GetParam();
  const bool any_level = row.raw == Minnow;
  for (std::int32_t level : {row.level - 1, row.level + 1}) {
    if (level < 1) continue;
    try_cook(level);
    const std::string message = any_level ? row.message : "";
    EXPECT_EQ(con.output(), cook_screen("1 Minnow, ") + message) << "level " << level;
    EXPECT_EQ(Game.Inventory[row.raw], any_level ? 0 : 1);
    EXPECT_EQ(Game.Inventory[row.cooked], any_level ? 1 : 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fire, Cooking_Levels,
    ::testing::Values(
        Fish_Row{"1 Minnow, ", Minnow, Cooked_Minnow, 1, 1, "You cook a Minnow."},
        Fish_Row{"2 Sardine, ", Sardine, Cooked_Sardine, 5, 2, "You cook a Sardine."},
        Fish_Row{"3 Herring, ", Herring, Cooked_Herring, 10, 3, "You cook a Herring."},
        Fish_Row{"4 Anchovies, ", Anchovies, Cooked_Anchovies, 15, 4, "You cook a Anchovies."},
        Fish_Row{"5 Trout, ", Trout, Cooked_Trout, 20, 5, "You cook a Trout."},
        Fish_Row{"6 Pike, ", Pike, Cooked_Pike, 25, 6, "You cook a Pike."},
        Fish_Row{"7 Salmon, ", Salmon, Cooked_Salmon, 30, 7, "You cook a Salmon."},
        Fish_Row{"8 Tuna, ", Tuna, Cooked_Tuna, 35, 8, "You cook a Tuna."},
        Fish_Row{"9 Lobster, ", Lobster, Cooked_Lobster, 40, 9, "You cook a Lobster."},
        Fish_Row{"10 Bass, ", Bass, Cooked_Bass, 45, 10, "You cook a Bass."},
        Fish_Row{"11 Swordfish, ", Swordfish, Cooked_Swordfish, 50, 11, "You cook a Swordfish."},
        Fish_Row{"12 Eel, ", Eel, Cooked_Eel, 55, 12, "You cook a Eel."},
        Fish_Row{"13 Monk Fish, ", Monk_Fish, Cooked_Monk_Fish, 65, 13, "You cook a Monk Fish."},
        Fish_Row{"14 Sturgeon, ", Sturgeon, Cooked_Sturgeon, 70, 14, "You cook a Sturgeon."},
        Fish_Row{"15 Shark, ", Shark, Cooked_Shark, 75, 15, "You cook a Shark."},
        Fish_Row{"16 Sea Turtle, ", Sea_Turtle, Cooked_Sea_Turtle, 80, 16,
                 "You cook a Sea Turtle."},
        Fish_Row{"17 Manta Ray, ", Manta_Ray, Cooked_Manta_Ray, 85, 17, "You cook a Manta Ray."}),
    [](const ::testing::TestParamInfo<Fish_Row>& info) {
      return std::string(Items[info.param.raw].name);
    });

TEST_F(Fire_Test, MinnowIsTheOnlyFishAtLevelSixtyAndFarAbove) {
  for (std::int32_t level : {60, 86, 1000}) {
    reset_game_state();
    SetUp();
    for (std::int32_t n = 1; n <= Fishes.count; ++n) Game.Inventory[item_in(Fishes, n)] = 1;
    Game.skill(Skill::Cooking).Level = level;
    con.clear_output();
    con.answer(2).answer(0);
    Fire_Action();
    EXPECT_EQ(con.output(), cook_screen("1 Minnow, ")) << "level " << level;
  }
}

TEST_F(Fire_Test, ACookWhoPassesLevelFiveCanNoLongerCookSardines) {
  Game.Inventory[Sardine] = 5;
  Game.skill(Skill::Cooking) = Skill_Record{11, 5, 12};
  con.answer(2).answer(2).answer(2).answer(2);
  Fire_Action();
  EXPECT_EQ(Game.skill(Skill::Cooking), (Skill_Record{0, 6, 13}));
  EXPECT_EQ(Game.Inventory[Cooked_Sardine], 1);
  con.clear_output();
  Fire_Action();
  EXPECT_EQ(con.output(), cook_screen(""));
  EXPECT_EQ(Game.Inventory[Sardine], 4);
}

}  // namespace
}  // namespace fm
