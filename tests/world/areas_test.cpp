#include "world/areas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/game_test.h"
#include "world/templates.h"

namespace fm {
namespace {

using Square = std::pair<int, int>;  // (row, column)

constexpr std::array<Map_Template, Template_Count> All_Templates = {
    Map_Template::River_Map,        Map_Template::River_Map_Taken, Map_Template::Quarry_Map,
    Map_Template::Quarry_Map_Taken, Map_Template::Pond_Map,        Map_Template::Pond_Map_Taken,
    Map_Template::Village_Map,      Map_Template::Ruins_Map,       Map_Template::Woods_Map,
    Map_Template::Strip_Map_4,      Map_Template::Strip_Map_5,     Map_Template::Strip_Map_6,
    Map_Template::Strip_Map_7,      Map_Template::Strip_Map_8,     Map_Template::Strip_Map_9,
    Map_Template::Field_Map,        Map_Template::End_Map};

char At(Map_Template which, int row, int column) {
  const std::string_view line = Template_Data(which)[static_cast<std::size_t>(row)];
  return static_cast<std::size_t>(column) < line.size() ? line[static_cast<std::size_t>(column)]
                                                        : '\0';
}

std::set<Square> Squares_Holding(Map_Template which, char c) {
  std::set<Square> found;
  for (int row = 0; row < Field_Rows; ++row)
    for (int column = 0; column < Field_Columns; ++column)
      if (At(which, row, column) == c) found.insert({row, column});
  return found;
}

std::set<Square> Differences(Map_Template a, Map_Template b) {
  std::set<Square> found;
  for (int row = 0; row < Field_Rows; ++row)
    for (int column = 0; column < Field_Columns; ++column)
      if (At(a, row, column) != At(b, row, column)) found.insert({row, column});
  return found;
}

TEST(Templates, EveryTemplateIsAWalledFieldWithThePlayerOnTheStartSquare) {
  for (Map_Template which : All_Templates) {
    SCOPED_TRACE(static_cast<int>(which));
    const Template_Rows& rows = Template_Data(which);
    for (int row = 0; row < Field_Rows; ++row) {
      const bool short_row = which == Map_Template::End_Map && row == 18;
      EXPECT_EQ(rows[static_cast<std::size_t>(row)].size(), short_row ? 46u : 47u) << row;
      EXPECT_EQ(rows[static_cast<std::size_t>(row)].find('\0'), std::string_view::npos);
      if (row == 0 || row == 20) {
        EXPECT_EQ(rows[static_cast<std::size_t>(row)], std::string(47, '#'));
      } else {
        EXPECT_EQ(At(which, row, 0), '#') << row;
        EXPECT_EQ(At(which, row, short_row ? 45 : 46), '#') << row;
      }
    }
    EXPECT_EQ(Squares_Holding(which, '@'), (std::set<Square>{{1, 1}}));
  }
}

TEST(Templates, TheWithoutToolTemplatesDifferOnlyWhereTheToolAndMonstersStood) {
  EXPECT_EQ(Differences(Map_Template::River_Map, Map_Template::River_Map_Taken),
            (std::set<Square>{{15, 3}, {2, 36}, {17, 14}, {3, 26}, {9, 7}}));
  EXPECT_EQ(Squares_Holding(Map_Template::River_Map_Taken, '1'),
            (std::set<Square>{{3, 26}, {9, 7}, {11, 16}}));
  EXPECT_EQ(Squares_Holding(Map_Template::River_Map, 'p'), (std::set<Square>{{15, 3}}));
  EXPECT_EQ(Differences(Map_Template::Quarry_Map, Map_Template::Quarry_Map_Taken),
            (std::set<Square>{{3, 40}}));
  EXPECT_EQ(At(Map_Template::Quarry_Map, 3, 40), 'a');
  EXPECT_EQ(Differences(Map_Template::Pond_Map, Map_Template::Pond_Map_Taken),
            (std::set<Square>{{7, 18}}));
  EXPECT_EQ(At(Map_Template::Pond_Map, 7, 18), 'f');
}

TEST(Templates, SpecialSquaresStandWhereThePlayerMeetsThem) {
  EXPECT_EQ(Squares_Holding(Map_Template::Village_Map, 'D'),
            (std::set<Square>{{6, 19}, {8, 32}, {14, 16}, {18, 22}, {18, 38}}));
  EXPECT_EQ(Squares_Holding(Map_Template::Village_Map, '&'), (std::set<Square>{{7, 30}, {16, 38}}));
  EXPECT_EQ(Squares_Holding(Map_Template::Village_Map, 'F'), (std::set<Square>{{13, 17}}));
  EXPECT_EQ(Squares_Holding(Map_Template::Village_Map, 'B'), (std::set<Square>{{17, 23}}));
  EXPECT_EQ(Squares_Holding(Map_Template::Village_Map, 'C'), (std::set<Square>{{7, 34}}));
  EXPECT_EQ(Squares_Holding(Map_Template::Ruins_Map, 'E'), (std::set<Square>{{9, 22}}));
  EXPECT_EQ(Squares_Holding(Map_Template::Ruins_Map, '1').size(), 7u);
  EXPECT_EQ(Squares_Holding(Map_Template::River_Map, '&'), (std::set<Square>{{9, 32}}));
  EXPECT_EQ(Squares_Holding(Map_Template::River_Map, 'D'), (std::set<Square>{{8, 34}}));
  EXPECT_EQ(Squares_Holding(Map_Template::River_Map, '+'), (std::set<Square>{{18, 2}}));
  EXPECT_TRUE(Squares_Holding(Map_Template::River_Map, '-').empty());
  EXPECT_TRUE(Squares_Holding(Map_Template::End_Map, '+').empty());
  EXPECT_EQ(Squares_Holding(Map_Template::Field_Map, '+'), (std::set<Square>{{18, 39}}));
  EXPECT_EQ(Squares_Holding(Map_Template::Field_Map, '-'), (std::set<Square>{{18, 5}}));
}

TEST(Templates, StripTemplatesAreTheFieldWithTheStripInRowOne) {
  const std::array<std::pair<Map_Template, int>, 6> strips = {{{Map_Template::Strip_Map_4, 4},
                                                               {Map_Template::Strip_Map_5, 5},
                                                               {Map_Template::Strip_Map_6, 6},
                                                               {Map_Template::Strip_Map_7, 7},
                                                               {Map_Template::Strip_Map_8, 8},
                                                               {Map_Template::Strip_Map_9, 9}}};
  for (const auto& [which, c] : strips) {
    std::set<Square> strip;
    for (int i = 0; i < 5; ++i) {
      strip.insert({1, c + i});
      EXPECT_EQ(At(which, 1, c + i), "-+MWT"[i]);
    }
    EXPECT_EQ(Differences(Map_Template::Field_Map, which), strip) << c;
  }
  EXPECT_EQ(Differences(Map_Template::Field_Map, Map_Template::End_Map),
            (std::set<Square>{{18, 39}, {18, 45}, {18, 46}}));
}

class Areas_Test : public testing::Game_Test {};

TEST_F(Areas_Test, EachAreaLoadsItsTemplateWithNulEverywhereElse) {
  auto template_of = [](std::int32_t area) {
    static const std::array<std::pair<std::int32_t, Map_Template>, 21> bands = {{
        {1, Map_Template::River_Map},    {2, Map_Template::Quarry_Map},
        {3, Map_Template::Pond_Map},     {4, Map_Template::Village_Map},
        {5, Map_Template::Ruins_Map},    {6, Map_Template::Woods_Map},
        {7, Map_Template::Strip_Map_5},  {8, Map_Template::Strip_Map_6},
        {9, Map_Template::Strip_Map_4},  {10, Map_Template::Strip_Map_7},
        {11, Map_Template::Strip_Map_8}, {12, Map_Template::Strip_Map_9},
        {13, Map_Template::Strip_Map_6}, {14, Map_Template::Strip_Map_7},
        {15, Map_Template::Strip_Map_5}, {16, Map_Template::Strip_Map_6},
        {18, Map_Template::Strip_Map_7}, {19, Map_Template::Strip_Map_6},
        {20, Map_Template::Strip_Map_7}, {21, Map_Template::Strip_Map_6},
        {22, Map_Template::Strip_Map_4},
    }};
    for (const auto& [last, which] : bands)
      if (area <= last) return which;
    if (area <= 33) return Map_Template::Strip_Map_8;
    if (area <= 69) return Map_Template::Field_Map;
    return Map_Template::End_Map;
  };
  for (std::int32_t area = 1; area <= 70; ++area) {
    Game.Map[50][50] = 'x';  // nothing of the old map survives a load
    Load_World(area);
    const Map_Template which = template_of(area);
    for (int row = 0; row < Map_Size; ++row)
      for (int column = 0; column < Map_Size; ++column) {
        const char expected =
            row < Field_Rows && column < Field_Columns ? At(which, row, column) : '\0';
        ASSERT_EQ(Game.Map[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)],
                  expected)
            << "area " << area << " square (" << row << ", " << column << ")";
      }
  }
}

TEST_F(Areas_Test, ToolAreasShowTheToolUntilTheirFieldHoldsExactlyOne) {
  struct Case {
    std::int32_t area;
    std::int32_t Game_State::*tool;
    int row, column;
    char tool_square;
  };
  for (const Case& c :
       {Case{1, &Game_State::pick, 15, 3, 'p'}, Case{2, &Game_State::axe, 3, 40, 'a'},
        Case{3, &Game_State::pole, 7, 18, 'f'}}) {
    for (std::int32_t value : {0, 2, -1, 1}) {
      reset_game_state();
      Game.*c.tool = value;
      Load_World(c.area);
      EXPECT_EQ(Game.Map[c.row][c.column], value == 1 ? ' ' : c.tool_square)
          << "area " << c.area << " value " << value;
    }
  }
}

TEST_F(Areas_Test, TheStartSquareIsTakenOnlyWhileEnterLevelIsZero) {
  Game.x = 7;
  Game.y = 9;
  Load_World(34);
  EXPECT_EQ(Game.x, 1);
  EXPECT_EQ(Game.y, 1);
  EXPECT_EQ(Game.Enter_Level, 1);
  Game.x = 7;
  Game.y = 9;
  Load_World(35);
  EXPECT_EQ(Game.x, 7);
  EXPECT_EQ(Game.y, 9);
}

TEST_F(Areas_Test, LevelSelectOutsideOneToSeventyLoadsNothing) {
  for (std::int32_t area : {0, 71, -5, 2147483647}) {
    reset_game_state();
    Game.Loop_Started = true;
    Game.Level_Sel = area;
    Game.x = 3;
    Level_Select();
    EXPECT_EQ(Game.Map, Grid{}) << area;
    EXPECT_EQ(Game.x, 3);
    EXPECT_EQ(Game.Enter_Level, 0);
  }
}

TEST_F(Areas_Test, AFireLitInAnAreaIsGoneOnTheNextVisitAndTheVillageFireIsBack) {
  Load_World(4);
  Game.Map[13][17] = '@';
  Game.Map[2][2] = 'F';
  Game.Enter_Level = 0;
  Load_World(4);
  EXPECT_EQ(Game.Map[13][17], 'F');
  EXPECT_EQ(Game.Map[2][2], ' ');
}

}  // namespace
}  // namespace fm
