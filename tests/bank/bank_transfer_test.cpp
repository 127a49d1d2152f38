// Deposits and withdrawals: which transfers the bank takes and what they leave in the counters.
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "bank/bank.h"
#include "bank_fixture.h"
#include "core/game_state.h"

namespace fm {
namespace {

using testing::Bank_Test;

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

struct Counters {
  std::int32_t held;    // the item's inventory counter
  std::int32_t stored;  // the item's bank counter
  std::int32_t bank;    // free bank spaces
  std::int32_t total;   // free inventory spaces
};

struct Transfer_Case {
  const char* label;
  std::int32_t direction;  // 1 deposit, 2 withdraw
  std::int32_t category;   // 1 ore, 2 fish, 3 wood, 4 cooked fish
  std::int32_t option;
  Item item;             // the item that option names
  std::int32_t essence;  // Rune_Essence carried as well
  Counters before;
  std::int64_t amount;
  Counters after;
};

std::ostream& operator<<(std::ostream& out, const Transfer_Case& c) {
  return out << c.label;
}

// Refusals leave `after` equal to `before`.
const Transfer_Case Transfer_Cases[] = {
    // Deposits.
    {"deposit_all_held", 1, 1, 1, Copper_Ore, 0, {5, 0, 2800, 23}, 5, {0, 5, 2795, 28}},
    {"deposit_part", 1, 2, 13, Monk_Fish, 0, {10, 2, 100, 18}, 4, {6, 6, 96, 22}},
    {"deposit_cooked_fish", 1, 4, 17, Cooked_Manta_Ray, 0, {3, 0, 2800, 25}, 1, {2, 1, 2799, 26}},
    {"deposit_logs", 1, 3, 14, Crystal_Log, 0, {2, 0, 2800, 26}, 2, {0, 2, 2798, 28}},
    {"deposit_more_than_held", 1, 1, 7, Gold_Ore, 0, {5, 0, 2800, 23}, 6, {5, 0, 2800, 23}},
    {"deposit_into_full_bank", 1, 1, 7, Gold_Ore, 0, {5, 0, 0, 23}, 1, {5, 0, 0, 23}},
    {"deposit_into_overfull_bank", 1, 1, 7, Gold_Ore, 0, {5, 0, -9, 23}, 1, {5, 0, -9, 23}},
    // One free space is all a deposit asks for, so the bank can be overfilled.
    {"deposit_overfills_bank", 1, 3, 2, Oak_Log, 0, {10, 0, 1, 18}, 10, {0, 10, -9, 28}},
    {"deposit_zero", 1, 1, 1, Copper_Ore, 0, {5, 0, 2800, 23}, 0, {5, 0, 2800, 23}},
    {"deposit_negative", 1, 1, 1, Copper_Ore, 0, {5, 3, 2800, 23}, -1, {5, 3, 2800, 23}},
    {"deposit_most_negative", 1, 1, 1, Copper_Ore, 0, {5, 3, 2800, 23}, Min, {5, 3, 2800, 23}},
    {"deposit_huge", 1, 1, 1, Copper_Ore, 0, {5, 0, 2800, 23}, Max, {5, 0, 2800, 23}},
    // Counters brought in by a save file can be extreme; no transfer may wrap one around.
    {"deposit_would_overflow_store",
     1,
     1,
     1,
     Copper_Ore,
     0,
     {Max, 1, 2800, 0},
     Max,
     {Max, 1, 2800, 0}},
    {"deposit_would_overflow_free_space",
     1,
     1,
     1,
     Copper_Ore,
     0,
     {10, 0, 2800, Max - 5},
     10,
     {10, 0, 2800, Max - 5}},

    // Withdrawals. Items carried count every inventory counter, Rune_Essence included.
    {"withdraw_fills_inventory", 2, 3, 2, Oak_Log, 20, {0, 10, 2790, 8}, 8, {8, 2, 2798, 0}},
    {"withdraw_one_too_many", 2, 3, 2, Oak_Log, 20, {0, 10, 2790, 8}, 9, {0, 10, 2790, 8}},
    {"withdraw_into_full_inventory", 2, 1, 3, Blurite_Ore, 28, {0, 4, 2796, 0}, 1, {0, 4, 2796, 0}},
    {"withdraw_counts_the_item_itself",
     2,
     1,
     3,
     Blurite_Ore,
     0,
     {27, 4, 2796, 1},
     2,
     {27, 4, 2796, 1}},
    {"withdraw_all_stored", 2, 2, 13, Monk_Fish, 0, {0, 6, 2794, 28}, 6, {6, 0, 2800, 22}},
    {"withdraw_more_than_stored", 2, 2, 13, Monk_Fish, 0, {0, 6, 2794, 28}, 7, {0, 6, 2794, 28}},
    {"withdraw_labelled_wood", 2, 3, 1, Wood_Log, 0, {0, 3, 2797, 28}, 3, {3, 0, 2800, 25}},
    {"withdraw_from_overfull_bank",
     2,
     1,
     1,
     Copper_Ore,
     0,
     {0, 2810, -10, 28},
     11,
     {11, 2799, 1, 17}},
    {"withdraw_zero", 2, 1, 1, Copper_Ore, 0, {0, 5, 2795, 28}, 0, {0, 5, 2795, 28}},
    {"withdraw_negative", 2, 1, 1, Copper_Ore, 0, {2, 5, 2795, 26}, -5, {2, 5, 2795, 26}},
    {"withdraw_most_negative", 2, 1, 1, Copper_Ore, 0, {2, 5, 2795, 26}, Min, {2, 5, 2795, 26}},
    // Carried + amount would wrap to a negative number in 32 bits.
    {"withdraw_huge", 2, 1, 1, Copper_Ore, 1, {0, Max, 0, 27}, Max, {0, Max, 0, 27}},
    {"withdraw_would_overflow_free_space",
     2,
     1,
     1,
     Copper_Ore,
     0,
     {0, 5, Max - 2, 28},
     5,
     {0, 5, Max - 2, 28}},
};

class Bank_Transfer : public Bank_Test, public ::testing::WithParamInterface<Transfer_Case> {};

TEST_P(Bank_Transfer, MovesOrRefusesAndChangesNothingElse) {
  const Transfer_Case& c = GetParam();
  Game.Inventory[Rune_Essence] = c.essence;
  Game.Inventory[c.item] = c.before.held;
  Game.B[c.item] = c.before.stored;
  Game.bank = c.before.bank;
  Game.total = c.before.total;
  Game_State expected = Game;
  expected.Inventory[c.item] = c.after.held;
  expected.B[c.item] = c.after.stored;
  expected.bank = c.after.bank;
  expected.total = c.after.total;
  expected.choice = static_cast<std::int32_t>(c.amount);

  const std::string out = visit({c.direction, c.category, c.option, c.amount});

  EXPECT_TRUE(Game == expected);
  EXPECT_EQ(Game.Inventory[c.item], c.after.held);
  EXPECT_EQ(Game.B[c.item], c.after.stored);
  EXPECT_EQ(Game.bank, c.after.bank);
  EXPECT_EQ(Game.total, c.after.total);
  // Neither a transfer nor a refusal says anything after the amount question.
  EXPECT_TRUE(out.ends_with(" would you like to deposite?\n") ||
              out.ends_with(" would you like to withdraw?\n"))
      << out;
}

INSTANTIATE_TEST_SUITE_P(Cases, Bank_Transfer, ::testing::ValuesIn(Transfer_Cases),
                         [](const auto& info) { return std::string(info.param.label); });

// A deposit that overfills the bank shows in the next visit's summary, and every deposit is
// refused until a withdrawal brings the free space above 0 again.
TEST_F(Bank_Test, OverfullBankRefusesDepositsUntilAWithdrawal) {
  Game.Inventory[Tin_Ore] = 12;
  Game.total = 16;
  Game.bank = 1;
  visit({1, 1, 2, 10});
  ASSERT_EQ(Game.bank, -9);

  con.clear_output();
  const std::string out = visit({1, 1, 2, 1});
  EXPECT_TRUE(out.starts_with("\nYou have: -9 free bank spaces\n")) << out;
  EXPECT_EQ(Game.Inventory[Tin_Ore], 2);
  EXPECT_EQ(Game.B[Tin_Ore], 10);

  visit({2, 1, 2, 10});
  EXPECT_EQ(Game.bank, 1);
  EXPECT_EQ(Game.Inventory[Tin_Ore], 12);
  visit({1, 1, 2, 1});
  EXPECT_EQ(Game.bank, 0);
  EXPECT_EQ(Game.B[Tin_Ore], 1);
}

// The bank never offers or touches Rune_Essence, in either direction.
TEST_F(Bank_Test, RuneEssenceIsNotBankable) {
  Game.Inventory[Rune_Essence] = 5;
  Game.B[Rune_Essence] = 7;
  const Game_State before = Game;
  for (std::int32_t direction = 1; direction <= 2; ++direction) {
    for (std::int32_t category = 1; category <= 4; ++category) {
      con.clear_output();
      const std::string out = visit({direction, category, 0});
      EXPECT_EQ(out.find("Rune"), std::string::npos) << out;
      EXPECT_EQ(Game.Inventory[Rune_Essence], 5);
      EXPECT_EQ(Game.B[Rune_Essence], 7);
    }
  }
  Game.choice = before.choice;
  EXPECT_TRUE(Game == before);
}

}  // namespace
}  // namespace fm
