#include "bank/bank.h"

#include <cstdint>
#include <limits>

#include "bank/bank_table.h"
#include "core/game_state.h"
#include "core/io.h"

namespace fm {
namespace {

enum class Direction : std::uint8_t { Deposit = 1, Withdraw = 2 };

// The counter an item menu lists and chooses by: the inventory for a deposit, the bank for a
// withdrawal.
std::int32_t listed_count(Direction direction, Item item) {
  return direction == Direction::Deposit ? Game.Inventory[item] : Game.B[item];
}

void print_summary_and_contents() {
  print("\nYou have: ", Game.bank, " free bank spaces\n");
  // Catalogue order, so the logs come last; each stored amount of logs is followed by an extra
  // empty line.
  for (int i = Copper_Ore; i < Item_Count; ++i) {
    const Item item = static_cast<Item>(i);
    if (Game.B[item] == 0) continue;
    print("\nYou have: ", Game.B[item], " ", bank_item(item)->name, " in storage\n");
    if (Items[item].category == Category::Logs) print("\n");
  }
}

// Lists the items of a menu that the player can choose and reads the choice. Returns the chosen
// row, or nullptr when the answer names no listed item.
const Bank_Item* choose_item(Direction direction, Bank_Category category) {
  const bool withdraw = direction == Direction::Withdraw;
  const Bank_Menu& menu = bank_menu(category);
  print(withdraw ? menu.withdraw_heading : menu.deposit_heading);
  for (const Bank_Item& row : Bank_Items) {
    if (row.category != category || listed_count(direction, row.item) == 0) continue;
    print(row.number, " ", row.label(withdraw), ", ");
  }
  print(withdraw ? "Any key to withdraw nothing. " : "Any key to deposit nothing. ");
  Game.choice = ask();
  const Bank_Item* chosen = bank_item(category, Game.choice);
  if (chosen == nullptr || listed_count(direction, chosen->item) == 0) return nullptr;
  return chosen;
}

bool fits(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

// Moves `amount` of an item between the inventory and the bank (a negative `amount` moves
// toward the inventory). A transfer whose result does not fit a counter is refused, so nothing
// ever wraps around.
void transfer(Item item, std::int64_t to_bank) {
  const std::int64_t stored = std::int64_t{Game.B[item]} + to_bank;
  const std::int64_t free_bank = std::int64_t{Game.bank} - to_bank;
  const std::int64_t free_inventory = std::int64_t{Game.total} + to_bank;
  const std::int64_t held = std::int64_t{Game.Inventory[item]} - to_bank;
  if (!fits(stored) || !fits(free_bank) || !fits(free_inventory) || !fits(held)) return;
  Game.B[item] = static_cast<std::int32_t>(stored);
  Game.bank = static_cast<std::int32_t>(free_bank);
  Game.total = static_cast<std::int32_t>(free_inventory);
  Game.Inventory[item] = static_cast<std::int32_t>(held);
}

// A deposit needs the amount in the inventory and one free bank space, whatever the amount: a
// deposit larger than the free space is taken and leaves `bank` below 0, and then no deposit is
// taken until withdrawals bring `bank` above 0 again.
void deposit(Item item, std::int32_t amount) {
  if (amount < 0) return;
  if (Game.Inventory[item] < amount || Game.Inventory[item] <= 0 || Game.bank <= 0) return;
  transfer(item, amount);
}

// A withdrawal needs the amount in the bank and room for it among the items carried, which are
// counted over every inventory counter (Rune_Essence included) rather than taken from `total`.
void withdraw(Item item, std::int32_t amount) {
  if (amount < 0) return;
  std::int64_t carried = 0;
  for (const std::int32_t count : Game.Inventory) carried += count;
  if (carried + amount > Inventory_Size || std::int64_t{Game.B[item]} - amount < 0) return;
  transfer(item, -std::int64_t{amount});
}

}  // namespace

void Bank_Action() {
  print_summary_and_contents();

  print("\nWould you like to withdraw or deposite?\n1 deposite, 2 withdraw\n");
  Game.choice = ask();
  if (Game.choice != 1 && Game.choice != 2) return;
  const auto direction = static_cast<Direction>(Game.choice);

  print(direction == Direction::Deposit ? "\nWhat would you like to deposite?\n"
                                        : "\nWhat would you like to withdraw?\n",
        "1 ore, 2 fish, 3 wood, 4 cooked fish\n");
  Game.choice = ask();
  if (Game.choice < 1 || Game.choice > Bank_Category_Count) return;
  const auto category = static_cast<Bank_Category>(Game.choice);

  const Bank_Item* chosen = choose_item(direction, category);
  if (chosen == nullptr) return;

  print("\n", direction == Direction::Deposit ? chosen->deposit_prompt : chosen->withdraw_prompt,
        "\n");
  Game.choice = ask();
  if (direction == Direction::Deposit) {
    deposit(chosen->item, Game.choice);
  } else {
    withdraw(chosen->item, Game.choice);
  }
}

}  // namespace fm
