#include "core/panels.h"

#include <gtest/gtest.h>

#include "support/game_test.h"

namespace fm {
namespace {

class Panels_Test : public testing::Game_Test {
 protected:
  std::string panels() {
    con.clear_output();
    Items_List();
    Skills_List();
    Location();
    return con.output();
  }
};

TEST_F(Panels_Test, HiddenPanelsPrintTheirHints) {
  EXPECT_EQ(panels(),
            "Press Q to show Items\n\n"
            "Press W to show skills\n\n"
            "Press E to show location\n\n");
}

TEST_F(Panels_Test, AllPanelsShownAfterTakingThePickAxeAndMiningThreeCopper) {
  Game.Show_Item = Game.Show_Skill = Game.Show_Location = 1;
  Game.pick = 1;
  Game.Inventory[Copper_Ore] = 3;
  Game.total = 25;
  Game.skill(Skill::Mining).Skill = 3;
  Game.Right = 1;
  Game.x = 5;
  Game.y = 2;
  EXPECT_EQ(panels(),
            "You have a Pick Axe\n"
            "\n"
            "You have: 3 Copper\n"
            "\n"
            "You have: 25 inventory spaces free\n"
            "\n"
            "\n"
            "Health Level: 1  Till next level: 0/8\n"
            "\n"
            "\n"
            "Attack Level: 1  Till next level: 0/8\n"
            "\n"
            "\n"
            "Defence Level: 1  Till next level: 0/8\n"
            "\n"
            "\n"
            "Mining Level: 1  Till next level: 3/8\n"
            "\n"
            "Fishing Level: 1  Till next level: 0/8\n"
            "\n"
            "Woodcutting Level: 1  Till next level: 0/8\n"
            "\n"
            "Fire Making Level: 1  Till next level: 0/8\n"
            "\n"
            "Cooking Level: 1  Till next level: 0/8\n"
            "\n"
            "\n"
            "North 0, East 1, South 0, West 0\n"
            "\n"
            "Position X, 5, Position Y, 2\n"
            "\n"
            "Area #1\n"
            "\n");
}

TEST_F(Panels_Test, InventoryListsToolsOnlyAtOneAndItemsInCatalogueOrderNegativesIncluded) {
  Game.Show_Item = 1;
  Game.pick = 2;  // an offer answered with 2: not carried
  Game.pole = 1;
  Game.axe = 1;
  Game.Inventory[Crystal_Log] = 2;
  Game.Inventory[Rune_Essence] = -1;
  Game.Inventory[Tin_Ore] = 4;
  con.clear_output();
  Items_List();
  EXPECT_EQ(con.output(),
            "You have a Fishing Pole\n"
            "You have an Axe\n"
            "\nYou have: -1 Rune Essence\n"
            "\nYou have: 4 Tin\n"
            "\nYou have: 2 Crystal Log\n"
            "\nYou have: 28 inventory spaces free\n\n");
}

TEST_F(Panels_Test, EmptyInventoryShowsOnlyTheFreeSpaces) {
  Game.Show_Item = 1;
  con.clear_output();
  Items_List();
  EXPECT_EQ(con.output(), "\nYou have: 28 inventory spaces free\n\n");
}

TEST_F(Panels_Test, SkillsShowExperienceAndThresholdAsStored) {
  Game.Show_Skill = 1;
  Game.skill(Skill::Cooking) = {0, 2, 9};
  Game.skill(Skill::Firemaking) = {-4, 7, 14};
  con.clear_output();
  Skills_List();
  EXPECT_NE(con.output().find("Fire Making Level: 7  Till next level: -4/14\n\n"),
            std::string::npos);
  EXPECT_NE(con.output().find("Cooking Level: 2  Till next level: 0/9\n\n"), std::string::npos);
}

}  // namespace
}  // namespace fm
