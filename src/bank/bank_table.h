// The bank's item table: the 63 items the bank stores, with the names and prompts the bank
// prints for them, and the four item menus that offer them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/items.h"

namespace fm {

// The bank's item menus, numbered as its category question offers them. Note that the menus
// come in a different order from the catalogue: wood before cooked fish.
enum class Bank_Category : std::uint8_t { Ore = 1, Fish = 2, Wood = 3, Cooked_Fish = 4 };
inline constexpr int Bank_Category_Count = 4;

struct Bank_Menu {
  Bank_Category category;
  Category catalogue;                 // the catalogue category of the menu's items
  std::string_view deposit_heading;   // printed before the deposit options, line breaks included
  std::string_view withdraw_heading;  // printed before the withdraw options, line breaks included
};

// Indexed by Bank_Category - 1. Only the ore deposit heading starts on a fresh line; the other
// deposit headings follow the category question directly.
inline constexpr std::array<Bank_Menu, Bank_Category_Count> Bank_Menus = {{
    {Bank_Category::Ore, Category::Ore, "\nWhat type of ore would you like to deposit?\n",
     "\nWhat type of ore would you like to withdraw?\n"},
    {Bank_Category::Fish, Category::Fish, "What type of fish would you like to deposit?\n",
     "\nWhat type of fish would you like to withdraw?\n"},
    {Bank_Category::Wood, Category::Logs, "What type of wood would you like to deposit?\n",
     "\nWhat type of wood would you like to withdraw?\n"},
    {Bank_Category::Cooked_Fish, Category::Cooked_Fish,
     "What type of cooked fish would you like to deposit?\n",
     "\nWhat type of cooked fish would you like to withdraw?\n"},
}};

constexpr const Bank_Menu& bank_menu(Bank_Category category) {
  return Bank_Menus[static_cast<std::size_t>(category) - 1];
}

struct Bank_Item {
  Bank_Category category;
  std::int32_t number;                // the item's option number in its menu, from 1
  Item item;                          // the inventory counter and the bank counter it moves between
  std::string_view name;              // the name in the contents listing and the menus
  std::string_view deposit_prompt;    // the amount question of a deposit
  std::string_view withdraw_prompt;   // the amount question of a withdrawal
  std::string_view withdraw_label{};  // the withdraw menu's label, where it is not `name`

  constexpr std::string_view label(bool withdraw) const {
    return withdraw && !withdraw_label.empty() ? withdraw_label : name;
  }
};

inline constexpr int Bankable_Count = 63;

// Every bankable item, menu by menu in menu order, each menu in option order. Rune_Essence is
// not bankable. Some prompts name the item by its first word only, and the deposit prompts
// spell "deposite": the bank has always printed them so.
inline constexpr std::array<Bank_Item, Bankable_Count> Bank_Items = {{
    {Bank_Category::Ore, 1, Copper_Ore, "Copper Ore",
     "How much Copper Ore would you like to deposite?",
     "How much Copper Ore would you like to withdraw?"},
    {Bank_Category::Ore, 2, Tin_Ore, "Tin Ore", "How much Tin Ore would you like to deposite?",
     "How much Tin Ore would you like to withdraw?"},
    {Bank_Category::Ore, 3, Blurite_Ore, "Blurite Ore",
     "How much Blurite Ore would you like to deposite?",
     "How much Blurite Ore would you like to withdraw?"},
    {Bank_Category::Ore, 4, Iron_Ore, "Iron Ore", "How much Iron Ore would you like to deposite?",
     "How much Iron Ore would you like to withdraw?"},
    {Bank_Category::Ore, 5, Silver_Ore, "Silver Ore",
     "How much Silver Ore would you like to deposite?",
     "How much Silver Ore would you like to withdraw?"},
    {Bank_Category::Ore, 6, Elemental_Ore, "Elemental Ore",
     "How much Elemental Ore would you like to deposite?",
     "How much Elemental Ore would you like to withdraw?"},
    {Bank_Category::Ore, 7, Gold_Ore, "Gold Ore", "How much Gold Ore would you like to deposite?",
     "How much Gold would you like to withdraw?"},
    {Bank_Category::Ore, 8, Mithril_Ore, "Mithril Ore",
     "How much Mithril Ore would you like to deposite?",
     "How much Mithril Ore would you like to withdraw?"},
    {Bank_Category::Ore, 9, Adamantite_Ore, "Adamantite Ore",
     "How much Adamantite Ore would you like to deposite?",
     "How much Adamantite Ore would you like to withdraw?"},
    {Bank_Category::Ore, 10, Runite_Ore, "Runite Ore",
     "How much Runite Ore would you like to deposite?",
     "How much Runite would you like to withdraw?"},
    {Bank_Category::Ore, 11, Magic_Ore, "Magic Ore",
     "How much Magic Ore would you like to deposite?",
     "How much Magic Ore would you like to withdraw?"},
    {Bank_Category::Ore, 12, Cursed_Ore, "Cursed Ore",
     "How much Cursed would you like to deposite?", "How much Cursed would you like to withdraw?"},
    {Bank_Category::Ore, 13, Blood_Ore, "Blood Ore", "How much Blood would you like to deposite?",
     "How much Blood Ore would you like to withdraw?"},
    {Bank_Category::Ore, 14, Dragon_Ore, "Dragon Ore",
     "How much Dragon would you like to deposite?",
     "How much Dragon Ore would you like to withdraw?"},
    {Bank_Category::Ore, 15, Crystal_Ore, "Crystal Ore",
     "How much Crystal Ore would you like to deposite?",
     "How much Crystal Ore would you like to withdraw?"},
    {Bank_Category::Fish, 1, Minnow, "Minnow", "How much Minnow would you like to deposite?",
     "How much Minnow would you like to withdraw?"},
    {Bank_Category::Fish, 2, Sardine, "Sardine", "How much Sardine would you like to deposite?",
     "How much Sardine would you like to withdraw?"},
    {Bank_Category::Fish, 3, Herring, "Herring", "How much Herring would you like to deposite?",
     "How much Herring would you like to withdraw?"},
    {Bank_Category::Fish, 4, Anchovies, "Anchovies",
     "How much Anchovies would you like to deposite?",
     "How much Anchovies would you like to withdraw?"},
    {Bank_Category::Fish, 5, Trout, "Trout", "How much Trout would you like to deposite?",
     "How much Trout would you like to withdraw?"},
    {Bank_Category::Fish, 6, Pike, "Pike", "How much Pike would you like to deposite?",
     "How much Pike would you like to withdraw?"},
    {Bank_Category::Fish, 7, Salmon, "Salmon", "How much Salmon would you like to deposite?",
     "How much Salmon would you like to withdraw?"},
    {Bank_Category::Fish, 8, Tuna, "Tuna", "How much Tuna would you like to deposite?",
     "How much Tuna would you like to withdraw?"},
    {Bank_Category::Fish, 9, Lobster, "Lobster", "How much Lobster would you like to deposite?",
     "How much Lobster would you like to withdraw?"},
    {Bank_Category::Fish, 10, Bass, "Bass", "How much Bass would you like to deposite?",
     "How much Bass would you like to withdraw?"},
    {Bank_Category::Fish, 11, Swordfish, "Swordfish",
     "How much Swordfish would you like to deposite?",
     "How much Swordfish would you like to withdraw?"},
    {Bank_Category::Fish, 12, Eel, "Eel", "How much Eel would you like to deposite?",
     "How much Eel would you like to withdraw?"},
    {Bank_Category::Fish, 13, Monk_Fish, "Monk Fish",
     "How much Monk Fish would you like to deposite?",
     "How much Monk Fish would you like to withdraw?"},
    {Bank_Category::Fish, 14, Sturgeon, "Sturgeon", "How much Sturgeon would you like to deposite?",
     "How much Sturgeon would you like to withdraw?"},
    {Bank_Category::Fish, 15, Shark, "Shark", "How much Shark would you like to deposite?",
     "How much Shark would you like to withdraw?"},
    {Bank_Category::Fish, 16, Sea_Turtle, "Sea Turtle",
     "How much Sea Turtle would you like to deposite?",
     "How much Sea Turtle would you like to withdraw?"},
    {Bank_Category::Fish, 17, Manta_Ray, "Manta Ray",
     "How much Manta Ray would you like to deposite?",
     "How much Manta Ray would you like to withdraw?"},
    {Bank_Category::Wood, 1, Wood_Log, "Wood Log", "How much Wood would you like to deposite?",
     "How much Wood Log would you like to withdraw?", "wood"},
    {Bank_Category::Wood, 2, Oak_Log, "Oak Log", "How much Oak Log would you like to deposite?",
     "How much Oak Log would you like to withdraw?"},
    {Bank_Category::Wood, 3, Willow_Log, "Willow Log",
     "How much Willow Log would you like to deposite?",
     "How much Willow Log would you like to withdraw?"},
    {Bank_Category::Wood, 4, Teak_Log, "Teak Log", "How much Teak Log would you like to deposite?",
     "How much Teak Log would you like to withdraw?"},
    {Bank_Category::Wood, 5, Maple_Log, "Maple Log",
     "How much Maple Log would you like to deposite?",
     "How much Maple Log would you like to withdraw?"},
    {Bank_Category::Wood, 6, Mahogany_Log, "Mahogany Log",
     "How much Mahogany Log would you like to deposite?",
     "How much Mahogany Log would you like to withdraw?"},
    {Bank_Category::Wood, 7, Arctic_Pine_Log, "Arctic Pine Log",
     "How much Arctic Pine Log would you like to deposite?",
     "How much Arctic Pine Log would you like to withdraw?"},
    {Bank_Category::Wood, 8, Eucalyptus_Log, "Eucalyptus Log",
     "How much Eucalyptus Log would you like to deposite?",
     "How much Eucalyptus Log would you like to withdraw?"},
    {Bank_Category::Wood, 9, Yew_Log, "Yew Log", "How much Yew Log would you like to deposite?",
     "How much Yew Log would you like to withdraw?"},
    {Bank_Category::Wood, 10, Magic_Log, "Magic Log",
     "How much Magic Log would you like to deposite?",
     "How much Magic Log would you like to withdraw?"},
    {Bank_Category::Wood, 11, Cursed_Log, "Cursed Log",
     "How much Cursed Log would you like to deposite?",
     "How much Cursed Log would you like to withdraw?"},
    {Bank_Category::Wood, 12, Blood_Log, "Blood Log",
     "How much Blood Log would you like to deposite?",
     "How much Blood Log would you like to withdraw?"},
    {Bank_Category::Wood, 13, Dragon_Log, "Dragon Log",
     "How much Dragon Log would you like to deposite?",
     "How much Dragon Log would you like to withdraw?"},
    {Bank_Category::Wood, 14, Crystal_Log, "Crystal Log",
     "How much Crystal Log would you like to deposite?",
     "How much Crystal Log would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 1, Cooked_Minnow, "Cooked Minnow",
     "How much Cooked Minnow would you like to deposite?",
     "How much Cooked Minnow would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 2, Cooked_Sardine, "Cooked Sardine",
     "How much Cooked Sardine would you like to deposite?",
     "How much Cooked Sardine would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 3, Cooked_Herring, "Cooked Herring",
     "How much Cooked Herring would you like to deposite?",
     "How much Cooked Herring would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 4, Cooked_Anchovies, "Cooked Anchovies",
     "How much Cooked Anchovies would you like to deposite?",
     "How much Cooked Anchovies would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 5, Cooked_Trout, "Cooked Trout",
     "How much Cooked Trout would you like to deposite?",
     "How much Cooked Trout would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 6, Cooked_Pike, "Cooked Pike",
     "How much Cooked Pike would you like to deposite?",
     "How much Cooked Pike would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 7, Cooked_Salmon, "Cooked Salmon",
     "How much Cooked Salmon would you like to deposite?",
     "How much Cooked Salmon would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 8, Cooked_Tuna, "Cooked Tuna",
     "How much Cooked Tuna would you like to deposite?",
     "How much Cooked Tuna would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 9, Cooked_Lobster, "Cooked Lobster",
     "How much Cooked Lobster would you like to deposite?",
     "How much Cooked Lobster would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 10, Cooked_Bass, "Cooked Bass",
     "How much Cooked Bass would you like to deposite?",
     "How much Cooked Bass would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 11, Cooked_Swordfish, "Cooked Swordfish",
     "How much Cooked Swordfish would you like to deposite?",
     "How much Cooked Swordfish would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 12, Cooked_Eel, "Cooked Eel",
     "How much Cooked Eel would you like to deposite?",
     "How much Cooked Eel would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 13, Cooked_Monk_Fish, "Cooked Monk Fish",
     "How much Cooked Monk Fish would you like to deposite?",
     "How much Cooked Monk Fish would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 14, Cooked_Sturgeon, "Cooked Sturgeon",
     "How much Cooked Sturgeon would you like to deposite?",
     "How much Cooked Sturgeon would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 15, Cooked_Shark, "Cooked Shark",
     "How much Cooked Shark would you like to deposite?",
     "How much Cooked Shark would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 16, Cooked_Sea_Turtle, "Cooked Sea Turtle",
     "How much Cooked Sea Turtle would you like to deposite?",
     "How much Cooked Sea Turtle would you like to withdraw?"},
    {Bank_Category::Cooked_Fish, 17, Cooked_Manta_Ray, "Cooked Manta Ray",
     "How much Cooked Manta Ray would you like to deposite?",
     "How much Cooked Manta Ray would you like to withdraw?"},
}};

// The row of an item, or nullptr for an item the bank does not take (Rune_Essence).
constexpr const Bank_Item* bank_item(Item item) {
  for (const Bank_Item& row : Bank_Items) {
    if (row.item == item) return &row;
  }
  return nullptr;
}

// The row of option `number` in a menu, or nullptr when the menu has no such option.
constexpr const Bank_Item* bank_item(Bank_Category category, std::int32_t number) {
  for (const Bank_Item& row : Bank_Items) {
    if (row.category == category && row.number == number) return &row;
  }
  return nullptr;
}

namespace bank_table_checks {

// The rows follow the menus in order, number each menu from 1 and agree with the catalogue on
// category and number; with 63 rows this makes every bankable item appear exactly once.
constexpr bool rows_follow_catalogue() {
  Bank_Category category = Bank_Category::Ore;
  std::int32_t next = 1;
  for (const Bank_Item& row : Bank_Items) {
    if (row.category != category) {
      if (static_cast<int>(row.category) != static_cast<int>(category) + 1) return false;
      category = row.category;
      next = 1;
    }
    if (row.number != next++) return false;
    const Item_Info& info = Items[row.item];
    if (info.category != bank_menu(row.category).catalogue || info.number != row.number) {
      return false;
    }
  }
  return category == Bank_Category::Cooked_Fish;
}

// A bank name is the counter's name with blanks for underscores.
constexpr bool names_follow_counters() {
  for (const Bank_Item& row : Bank_Items) {
    const std::string_view counter = Items[row.item].name;
    if (counter.size() != row.name.size()) return false;
    for (std::size_t i = 0; i < counter.size(); ++i) {
      if (row.name[i] != (counter[i] == '_' ? ' ' : counter[i])) return false;
    }
  }
  return true;
}

constexpr bool framed(std::string_view prompt, std::string_view ending) {
  return prompt.starts_with("How much ") && prompt.ends_with(ending);
}

constexpr bool prompts_are_framed() {
  for (const Bank_Item& row : Bank_Items) {
    if (!framed(row.deposit_prompt, " would you like to deposite?")) return false;
    if (!framed(row.withdraw_prompt, " would you like to withdraw?")) return false;
  }
  return true;
}

static_assert(Bank_Items.size() == Item_Count - 1);
static_assert(rows_follow_catalogue());
static_assert(names_follow_counters());
static_assert(prompts_are_framed());
static_assert(bank_menu(Bank_Category::Wood).catalogue == Category::Logs);

}  // namespace bank_table_checks

}  // namespace fm
