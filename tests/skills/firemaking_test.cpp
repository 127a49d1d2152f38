#include "skills/firemaking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

constexpr std::string_view First_Question =
    "What would you like to do?\nLight a fire?\n1 yes, 2 no\n";
constexpr std::string_view Log_Question = "\n\nWhat type of wood would you like to burn? ";
constexpr std::string_view Log_Closing = "Any key to cut nothing\n";
constexpr std::string_view Direction_Question =
    "Where would you like to start your fire?\n 1 left, 2 up, 3 right, 4 down\n";
constexpr std::string_view Refusal = "You cannot light a fire here.";

// A player standing in the middle of an empty field, blank on all four sides.
class Firemaking_Test : public Game_Test {
 protected:
  void SetUp() override {
    Game_Test::SetUp();
    for (int row = 9; row <= 11; ++row) {
      for (int column = 9; column <= 11; ++column) Game.set_square(row, column, ' ');
    }
    place_player(10, 10);
  }

  void place_player(std::int32_t column, std::int32_t row) {
    Game.x = column;
    Game.y = row;
    Game.set_square(row, column, '@');
  }

  static std::string screen(std::string_view list, bool asks_direction) {
    std::string text = std::string(First_Question) + std::string(Log_Question) + std::string(list) +
                       std::string(Log_Closing);
    if (asks_direction) text += Direction_Question;
    return text;
  }
};

TEST_F(Firemaking_Test, AnswerOtherThanYesEndsAtOnce) {
  Game.Inventory[Wood_Log] = 1;
  const Game_State before = Game;
  con.answer(2);
  Tab_Action();
  EXPECT_EQ(con.output(), First_Question);
  Game_State expected = before;
  expected.choice = 2;
  EXPECT_TRUE(Game == expected);
}

TEST_F(Firemaking_Test, WoodInAreaThreeStandsOnANewLine) {
  Game.Level_Sel = 3;
  Game.Inventory[Wood_Log] = 2;
  con.answer(1).answer(0);
  Tab_Action();
  EXPECT_EQ(con.output(), screen("\n1 Wood, ", false));
}

TEST_F(Firemaking_Test, OnlyOakInAreaThreeShowsNoEntry) {
  Game.Level_Sel = 3;
  Game.skill(Skill::Firemaking).Level = 50;
  Game.Inventory[Oak_Log] = 2;
  con.answer(1).answer(2);
  Tab_Action();
  EXPECT_EQ(con.output(), screen("", false));
  EXPECT_EQ(Game.Inventory[Oak_Log], 2);
}

TEST_F(Firemaking_Test, OakInAreaSevenAtLevelFiveLightsAFire) {
  Game.Level_Sel = 7;
  Game.skill(Skill::Firemaking).Level = 5;
  Game.Inventory[Oak_Log] = 3;
  Game.total = 25;
  Game_State expected = Game;
  expected.Inventory[Oak_Log] = 2;
  expected.total = 26;
  expected.skill(Skill::Firemaking).Skill = 1;
  expected.set_square(10, 11, 'F');
  expected.choice = 3;

  con.answer(1).answer(2).answer(3);
  Tab_Action();

  EXPECT_EQ(con.output(), screen("2 Oak, ", true));
  EXPECT_TRUE(con.sleeps().empty());
  EXPECT_TRUE(Game == expected);
}

TEST_F(Firemaking_Test, OakIsNotOfferedAtLevelFour) {
  Game.Level_Sel = 7;
  Game.skill(Skill::Firemaking).Level = 4;
  Game.Inventory[Oak_Log] = 3;
  con.answer(1).answer(2).answer(3);
  Tab_Action();
  EXPECT_EQ(con.output(), screen("", false));
  EXPECT_EQ(Game.Inventory[Oak_Log], 3);
  EXPECT_EQ(Game.square(10, 11), ' ');
}

TEST_F(Firemaking_Test, NoLogHeldIsNeverBurned) {
  for (std::int32_t held : {0, -1}) {
    reset_game_state();
    SetUp();
    Game.Inventory[Wood_Log] = held;
    const Game_State before = Game;
    con.clear_output();
    con.answer(1).answer(1).answer(3);
    Tab_Action();
    EXPECT_EQ(con.output(), screen("", false)) << "held " << held;
    EXPECT_EQ(Game.Inventory[Wood_Log], held);
    EXPECT_EQ(Game.Map, before.Map);
    (void)con.read_number();
  }
}

TEST_F(Firemaking_Test, EightFiresAtLevelOneReachLevelTwo) {
  Game.Inventory[Wood_Log] = 8;
  Game.total = 20;
  for (int i = 0; i < 8; ++i) {
    Game.set_square(10, 11, ' ');  // the fire is put out between two lightings
    con.answer(1).answer(1).answer(3);
    Tab_Action();
    ASSERT_EQ(Game.square(10, 11), 'F');
  }
  EXPECT_EQ(Game.skill(Skill::Firemaking), (Skill_Record{0, 2, 9}));
  EXPECT_EQ(Game.Inventory[Wood_Log], 0);
  EXPECT_EQ(Game.total, 28);
}

// Directions: 1 left, 2 up, 3 right, 4 down; never the player's own square or a diagonal.
struct Direction_Case {
  std::int32_t answer;
  std::int32_t row;
  std::int32_t column;
};

class Fire_Directions : public Firemaking_Test,
                        public ::testing::WithParamInterface<Direction_Case> {};

TEST_P(Fire_Directions, TheFireLandsOnTheNamedNeighbour) {
  const Direction_Case& c = GetParam();
  Game.Inventory[Wood_Log] = 1;
  Grid expected = Game.Map;
  expected[c.row][c.column] = 'F';
  con.answer(1).answer(1).answer(c.answer);
  Tab_Action();
  EXPECT_EQ(Game.Map, expected);
  EXPECT_EQ(Game.x, 10);
  EXPECT_EQ(Game.y, 10);
  EXPECT_EQ(Game.Inventory[Wood_Log], 0);
}

INSTANTIATE_TEST_SUITE_P(Firemaking, Fire_Directions,
                         ::testing::Values(Direction_Case{1, 10, 9}, Direction_Case{2, 9, 10},
                                           Direction_Case{3, 10, 11}, Direction_Case{4, 11, 10}));

// Any square but a blank one, and any answer but 1 to 4, is refused with the message and a
// one-second wait; the log stays.
struct Refusal_Case {
  const char* what;
  char right_square;  // what stands right of the player
  std::int32_t direction;
};

class Fire_Refusals : public Firemaking_Test, public ::testing::WithParamInterface<Refusal_Case> {};

TEST_P(Fire_Refusals, RefusedWithTheMessageAndTheLogKept) {
  const Refusal_Case& c = GetParam();
  Game.Inventory[Wood_Log] = 1;
  Game.set_square(10, 11, c.right_square);
  Game_State expected = Game;
  expected.choice = c.direction;
  con.answer(1).answer(1).answer(c.direction);
  Tab_Action();
  EXPECT_EQ(con.output(), screen("\n1 Wood, ", true) + std::string(Refusal));
  EXPECT_EQ(con.sleeps(), (std::vector<std::int64_t>{1}));
  EXPECT_TRUE(Game == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Firemaking, Fire_Refusals,
    ::testing::Values(Refusal_Case{"wall", '#', 3}, Refusal_Case{"water", 'W', 3},
                      Refusal_Case{"other_fire", 'F', 3}, Refusal_Case{"tree", 'T', 3},
                      Refusal_Case{"rock", 'M', 3}, Refusal_Case{"outside_the_area", '\0', 3},
                      Refusal_Case{"direction_zero", ' ', 0},
                      Refusal_Case{"direction_five", ' ', 5},
                      Refusal_Case{"direction_negative", ' ', -1}),
    [](const ::testing::TestParamInfo<Refusal_Case>& info) {
      return std::string(info.param.what);
    });

TEST_F(Firemaking_Test, NothingIsWrittenOutsideTheGrid) {
  Game.Inventory[Wood_Log] = 4;
  const struct {
    std::int32_t column, row, direction;
  } edges[] = {{0, 0, 1}, {0, 0, 2}, {99, 99, 3}, {99, 99, 4}};
  for (const auto& edge : edges) {
    Game.set_square(Game.y, Game.x, ' ');
    place_player(edge.column, edge.row);
    const Game_State before = Game;
    con.clear_output();
    con.answer(1).answer(1).answer(edge.direction);
    Tab_Action();
    EXPECT_EQ(con.output(), screen("\n1 Wood, ", true) + std::string(Refusal));
    EXPECT_EQ(Game.Map, before.Map);
    EXPECT_EQ(Game.Inventory[Wood_Log], 4);
  }
}

// Every log of the table: offered from one level above its bound, in the first and the last
// area of its band and nowhere else.
struct Log_Row {
  const char* entry;
  Item item;
  std::int32_t level_bound;  // -1: none
  std::int32_t first_area;
  std::int32_t last_area;
};

class Log_Bands : public Firemaking_Test, public ::testing::WithParamInterface<Log_Row> {
 protected:
  // Holds one of every log, at `level` in `area`, and answers yes, this log, right.
  void try_burn(std::int32_t level, std::int32_t area) {
    for (std::int32_t n = 1; n <= Logs.count; ++n) Game.Inventory[item_in(Logs, n)] = 1;
    Game.total = 14;
    Game.skill(Skill::Firemaking) = Skill_Record{0, level, 1000};
    Game.Level_Sel = area;
    Game.set_square(10, 11, ' ');
    con.clear_output();
    con.answer(1).answer(option()).answer(3);
    Tab_Action();
  }
  std::int32_t option() const { return static_cast<std::int32_t>(GetParam().item - Wood_Log + 1); }
};

TEST_P(Log_Bands, OfferedInTheFirstAndLastAreaOfItsBand) {
  const Log_Row& row = GetParam();
  for (std::int32_t area : {row.first_area, row.last_area}) {
    try_burn(row.level_bound + 1, area);
    EXPECT_EQ(con.output(), screen(row.entry, true)) << "area " << area;
    EXPECT_EQ(Game.square(10, 11), 'F');
    EXPECT_EQ(Game.Inventory[row.item], 0);
    EXPECT_EQ(Game.total, 15);
    EXPECT_EQ(Game.skill(Skill::Firemaking).Skill, 1);
    EXPECT_TRUE(con.sleeps().empty());
  }
}

TEST_P(Log_Bands, NotOfferedJustOutsideItsBand) {
  const Log_Row& row = GetParam();
  for (std::int32_t area : {row.first_area - 1, row.last_area + 1}) {
    try_burn(500, area);
    // The neighbouring band's log, if there is one, is the only entry.
    EXPECT_EQ(con.output().find(row.entry), std::string::npos) << "area " << area;
    EXPECT_EQ(Game.Inventory[row.item], 1);
    EXPECT_NE(Game.square(10, 11), 'F');
    (void)con.read_number();  // the direction answer, never asked for
  }
}

TEST_P(Log_Bands, NotOfferedAtItsLevelBound) {
  const Log_Row& row = GetParam();
  if (row.level_bound < 0) {
    // Wood has no bound: a new character burns it.
    try_burn(1, row.first_area);
    EXPECT_EQ(con.output(), screen(row.entry, true));
    EXPECT_EQ(Game.Inventory[row.item], 0);
    return;
  }
  try_burn(row.level_bound, row.first_area);
  EXPECT_EQ(con.output(), screen("", false));
  EXPECT_EQ(Game.Inventory[row.item], 1);
}

INSTANTIATE_TEST_SUITE_P(Firemaking, Log_Bands,
                         ::testing::Values(Log_Row{"\n1 Wood, ", Wood_Log, -1, 1, 5},
                                           Log_Row{"2 Oak, ", Oak_Log, 4, 6, 10},
                                           Log_Row{"3 Willow, ", Willow_Log, 9, 11, 15},
                                           Log_Row{"4 Teak, ", Teak_Log, 14, 16, 20},
                                           Log_Row{"5 Maple, ", Maple_Log, 19, 21, 25},
                                           Log_Row{"6 Mahogany, ", Mahogany_Log, 24, 26, 30},
                                           Log_Row{"7 Arctic Pine, ", Arctic_Pine_Log, 29, 31, 35},
                                           Log_Row{"8 Eucalyptus, ", Eucalyptus_Log, 34, 36, 40},
                                           Log_Row{"9 Yew, ", Yew_Log, 39, 41, 45},
                                           Log_Row{"10 Magic, ", Magic_Log, 44, 46, 50},
                                           Log_Row{"11 Cursed, ", Cursed_Log, 54, 51, 55},
                                           Log_Row{"12 Blood, ", Blood_Log, 64, 56, 60},
                                           Log_Row{"13 Dragon, ", Dragon_Log, 74, 61, 65},
                                           Log_Row{"14 Crystal, ", Crystal_Log, 84, 66, 70}),
                         [](const ::testing::TestParamInfo<Log_Row>& info) {
                           return std::string(Items[info.param.item].name);
                         });

TEST_F(Firemaking_Test, NoLogBurnsAboveAreaSeventy) {
  for (std::int32_t n = 1; n <= Logs.count; ++n) Game.Inventory[item_in(Logs, n)] = 1;
  Game.skill(Skill::Firemaking).Level = 500;
  Game.Level_Sel = 71;
  con.answer(1).answer(14);
  Tab_Action();
  EXPECT_EQ(con.output(), screen("", false));
}

}  // namespace
}  // namespace fm
