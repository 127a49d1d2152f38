#include "core/items.h"

#include <gtest/gtest.h>

#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

TEST_F(Game_Test, StartUpValues) {
  EXPECT_EQ(Game.Health, 10);
  EXPECT_EQ(Game.total, 28);
  EXPECT_EQ(Game.bank, 2800);
  EXPECT_EQ(Game.Level_Sel, 1);
  EXPECT_EQ(Game.x, 1);
  EXPECT_EQ(Game.y, 1);
  EXPECT_EQ(Game.Enter_Level, 0);
  EXPECT_TRUE(Game.Game_Running);
  for (const Skill_Record& skill : Game.Skills) EXPECT_EQ(skill, (Skill_Record{0, 1, 8}));
  for (int i = 0; i < Item_Count; ++i) {
    EXPECT_EQ(Game.Inventory[i], 0);
    EXPECT_EQ(Game.B[i], 0);
  }
  EXPECT_EQ(Game.Player_Name[0], '\0');
}

TEST(Item_Catalogue, DisplayTextsFollowTheCounterNamesExceptCopperAndTin) {
  EXPECT_EQ(Items[Copper_Ore].display, " Copper");
  EXPECT_EQ(Items[Tin_Ore].display, " Tin");
  EXPECT_EQ(Items[Blurite_Ore].display, " Blurite Ore");
  EXPECT_EQ(Items[Cooked_Sea_Turtle].display, " Cooked Sea Turtle");
  EXPECT_EQ(Items[Arctic_Pine_Log].display, " Arctic Pine Log");
  EXPECT_EQ(Items[Rune_Essence].category, Category::None);
  for (int i = 0; i < Item_Count; ++i) {
    if (i == Copper_Ore || i == Tin_Ore) continue;
    std::string expected = " " + std::string(Items[i].name);
    for (char& c : expected) c = c == '_' ? ' ' : c;
    EXPECT_EQ(Items[i].display, expected) << Items[i].name;
  }
}

}  // namespace
}  // namespace fm
