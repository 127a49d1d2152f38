// The villagers of areas 1 and 4: who speaks from which square, the exact words, and that no
// exchange changes anything but the answer field.
#include "world/villagers.h"

#include <cstdint>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/game_state.h"
#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

constexpr std::string_view Shop_Offer =
    "\n\nHi there! Care to buy anything?\n"
    "I haven't got much but I have a few cheap weapons to get you started.\n"
    "1 = Shop, 2 = leave";
constexpr std::string_view Shop_List =
    "<cls>What would you like to purchase?\n\n"
    "1, Rusty Sword = 25 gp\n"
    "2, Rusty Axe = 25 gp\n"
    "3, Rusty Dagger = 25 gp\n"
    "4, Rusty Shield = 25 gp\n"
    "5, Cracked Wooden Air Staff = 25 gp\n";
constexpr std::string_view Greeting = "\n\nHi!\nPress any key to continue... ";
constexpr std::string_view Request =
    "\n\nDo you think you could possibly do something for me?\n"
    "Press any key to continue... ";

struct Spot {
  std::int32_t row;
  std::int32_t column;
};

class Villager_Test : public Game_Test {
 protected:
  // Puts the player on a square of the area and remembers the state to compare with.
  void stand_on(std::int32_t area, Spot spot) {
    reset_game_state();
    con.clear_output();
    Game.Level_Sel = area;
    Game.y = spot.row;
    Game.x = spot.column;
    Game.money = 60;
    Game.Inventory[Copper_Ore] = 3;
    before = Game;
  }
  // The state must be as before, except the last answer in `choice`.
  void expect_unchanged_but_choice(std::int32_t choice) {
    Game_State expected = before;
    expected.choice = choice;
    EXPECT_TRUE(Game == expected);
  }

  Game_State before;
};

constexpr Spot Shopkeeper_Spots[] = {{9, 31}, {10, 32}, {9, 33}};

TEST_F(Villager_Test, ShopkeeperGreetsFromEachNeighbouringSquareAndLeaveReturns) {
  for (const Spot spot : Shopkeeper_Spots) {
    stand_on(1, spot);
    con.answer(2);
    World1_NPC();
    EXPECT_EQ(con.output(), Shop_Offer) << spot.row << "," << spot.column;
    expect_unchanged_but_choice(2);
  }
}

// The shop shows its list after a screen clear, but sells nothing whatever the answer.
TEST_F(Villager_Test, ShopListSellsNothing) {
  for (const std::int32_t pick : {1, 2, 3, 4, 5, 0, 9, -1}) {
    stand_on(1, {10, 32});
    con.answer(1).answer(pick);
    World1_NPC();
    EXPECT_EQ(con.output(), std::string(Shop_Offer) + std::string(Shop_List));
    expect_unchanged_but_choice(pick);
    EXPECT_EQ(Game.money, 60);
    EXPECT_EQ(con.sleeps().size(), 0u);
  }
}

TEST_F(Villager_Test, ShopkeeperSaysNothingFromOtherSquares) {
  for (const Spot spot : {Spot{8, 32}, Spot{9, 32}, Spot{10, 31}, Spot{9, 30}, Spot{7, 31}}) {
    stand_on(1, spot);
    World1_NPC();  // nothing typed: any read would end the input
    EXPECT_EQ(con.output(), "");
    expect_unchanged_but_choice(before.choice);
  }
}

TEST_F(Villager_Test, GreeterOfAreaFourSaysHi) {
  stand_on(4, {7, 31});
  con.answer(8);
  World4_NPC();
  EXPECT_EQ(con.output(), Greeting);
  expect_unchanged_but_choice(8);
}

TEST_F(Villager_Test, AskerOfAreaFourAsksFromEachNeighbouringSquare) {
  for (const Spot spot : {Spot{16, 37}, Spot{16, 39}, Spot{17, 38}, Spot{15, 38}}) {
    stand_on(4, spot);
    con.answer(0);
    World4_NPC();
    EXPECT_EQ(con.output(), Request) << spot.row << "," << spot.column;
    expect_unchanged_but_choice(0);
  }
}

TEST_F(Villager_Test, AreaFourVillagersSayNothingFromOtherSquares) {
  for (const Spot spot : {Spot{7, 29}, Spot{16, 38}, Spot{15, 37}, Spot{9, 31}, Spot{10, 32}}) {
    stand_on(4, spot);
    World4_NPC();
    EXPECT_EQ(con.output(), "");
    expect_unchanged_but_choice(before.choice);
  }
}

}  // namespace
}  // namespace fm
