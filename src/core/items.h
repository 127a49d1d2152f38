// The item catalogue: the 64 kinds of item in their fixed order. That order is the order of the
// inventory and bank counters, of the inventory panel, of the save file and of every menu.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fm {

// Indexes Game_State::Inventory and Game_State::B. Catalogue order.
enum Item : std::uint8_t {
  Rune_Essence,
  Copper_Ore,
  Tin_Ore,
  Blurite_Ore,
  Iron_Ore,
  Silver_Ore,
  Elemental_Ore,
  Gold_Ore,
  Mithril_Ore,
  Adamantite_Ore,
  Runite_Ore,
  Magic_Ore,
  Cursed_Ore,
  Blood_Ore,
  Dragon_Ore,
  Crystal_Ore,
  Minnow,
  Sardine,
  Herring,
  Anchovies,
  Trout,
  Pike,
  Salmon,
  Tuna,
  Lobster,
  Bass,
  Swordfish,
  Eel,
  Monk_Fish,
  Sturgeon,
  Shark,
  Sea_Turtle,
  Manta_Ray,
  Cooked_Minnow,
  Cooked_Sardine,
  Cooked_Herring,
  Cooked_Anchovies,
  Cooked_Trout,
  Cooked_Pike,
  Cooked_Salmon,
  Cooked_Tuna,
  Cooked_Lobster,
  Cooked_Bass,
  Cooked_Swordfish,
  Cooked_Eel,
  Cooked_Monk_Fish,
  Cooked_Sturgeon,
  Cooked_Shark,
  Cooked_Sea_Turtle,
  Cooked_Manta_Ray,
  Wood_Log,
  Oak_Log,
  Willow_Log,
  Teak_Log,
  Maple_Log,
  Mahogany_Log,
  Arctic_Pine_Log,
  Eucalyptus_Log,
  Yew_Log,
  Magic_Log,
  Cursed_Log,
  Blood_Log,
  Dragon_Log,
  Crystal_Log,
  Item_Count
};

// Which menus offer an item. Rune_Essence belongs to none.
enum class Category : std::uint8_t { None, Ore, Fish, Cooked_Fish, Logs };

struct Item_Info {
  std::string_view name;  // the counter's name, such as "Copper_Ore"
  Category category;      // which menus list it
  std::int32_t number;    // its number within the category, from 1 (0 for Rune_Essence)
  std::string_view
      display;  // what the inventory panel prints after the count, leading blank included
};

inline constexpr std::array<Item_Info, Item_Count> Items = {{
    {"Rune_Essence", Category::None, 0, " Rune Essence"},
    {"Copper_Ore", Category::Ore, 1, " Copper"},
    {"Tin_Ore", Category::Ore, 2, " Tin"},
    {"Blurite_Ore", Category::Ore, 3, " Blurite Ore"},
    {"Iron_Ore", Category::Ore, 4, " Iron Ore"},
    {"Silver_Ore", Category::Ore, 5, " Silver Ore"},
    {"Elemental_Ore", Category::Ore, 6, " Elemental Ore"},
    {"Gold_Ore", Category::Ore, 7, " Gold Ore"},
    {"Mithril_Ore", Category::Ore, 8, " Mithril Ore"},
    {"Adamantite_Ore", Category::Ore, 9, " Adamantite Ore"},
    {"Runite_Ore", Category::Ore, 10, " Runite Ore"},
    {"Magic_Ore", Category::Ore, 11, " Magic Ore"},
    {"Cursed_Ore", Category::Ore, 12, " Cursed Ore"},
    {"Blood_Ore", Category::Ore, 13, " Blood Ore"},
    {"Dragon_Ore", Category::Ore, 14, " Dragon Ore"},
    {"Crystal_Ore", Category::Ore, 15, " Crystal Ore"},
    {"Minnow", Category::Fish, 1, " Minnow"},
    {"Sardine", Category::Fish, 2, " Sardine"},
    {"Herring", Category::Fish, 3, " Herring"},
    {"Anchovies", Category::Fish, 4, " Anchovies"},
    {"Trout", Category::Fish, 5, " Trout"},
    {"Pike", Category::Fish, 6, " Pike"},
    {"Salmon", Category::Fish, 7, " Salmon"},
    {"Tuna", Category::Fish, 8, " Tuna"},
    {"Lobster", Category::Fish, 9, " Lobster"},
    {"Bass", Category::Fish, 10, " Bass"},
    {"Swordfish", Category::Fish, 11, " Swordfish"},
    {"Eel", Category::Fish, 12, " Eel"},
    {"Monk_Fish", Category::Fish, 13, " Monk Fish"},
    {"Sturgeon", Category::Fish, 14, " Sturgeon"},
    {"Shark", Category::Fish, 15, " Shark"},
    {"Sea_Turtle", Category::Fish, 16, " Sea Turtle"},
    {"Manta_Ray", Category::Fish, 17, " Manta Ray"},
    {"Cooked_Minnow", Category::Cooked_Fish, 1, " Cooked Minnow"},
    {"Cooked_Sardine", Category::Cooked_Fish, 2, " Cooked Sardine"},
    {"Cooked_Herring", Category::Cooked_Fish, 3, " Cooked Herring"},
    {"Cooked_Anchovies", Category::Cooked_Fish, 4, " Cooked Anchovies"},
    {"Cooked_Trout", Category::Cooked_Fish, 5, " Cooked Trout"},
    {"Cooked_Pike", Category::Cooked_Fish, 6, " Cooked Pike"},
    {"Cooked_Salmon", Category::Cooked_Fish, 7, " Cooked Salmon"},
    {"Cooked_Tuna", Category::Cooked_Fish, 8, " Cooked Tuna"},
    {"Cooked_Lobster", Category::Cooked_Fish, 9, " Cooked Lobster"},
    {"Cooked_Bass", Category::Cooked_Fish, 10, " Cooked Bass"},
    {"Cooked_Swordfish", Category::Cooked_Fish, 11, " Cooked Swordfish"},
    {"Cooked_Eel", Category::Cooked_Fish, 12, " Cooked Eel"},
    {"Cooked_Monk_Fish", Category::Cooked_Fish, 13, " Cooked Monk Fish"},
    {"Cooked_Sturgeon", Category::Cooked_Fish, 14, " Cooked Sturgeon"},
    {"Cooked_Shark", Category::Cooked_Fish, 15, " Cooked Shark"},
    {"Cooked_Sea_Turtle", Category::Cooked_Fish, 16, " Cooked Sea Turtle"},
    {"Cooked_Manta_Ray", Category::Cooked_Fish, 17, " Cooked Manta Ray"},
    {"Wood_Log", Category::Logs, 1, " Wood Log"},
    {"Oak_Log", Category::Logs, 2, " Oak Log"},
    {"Willow_Log", Category::Logs, 3, " Willow Log"},
    {"Teak_Log", Category::Logs, 4, " Teak Log"},
    {"Maple_Log", Category::Logs, 5, " Maple Log"},
    {"Mahogany_Log", Category::Logs, 6, " Mahogany Log"},
    {"Arctic_Pine_Log", Category::Logs, 7, " Arctic Pine Log"},
    {"Eucalyptus_Log", Category::Logs, 8, " Eucalyptus Log"},
    {"Yew_Log", Category::Logs, 9, " Yew Log"},
    {"Magic_Log", Category::Logs, 10, " Magic Log"},
    {"Cursed_Log", Category::Logs, 11, " Cursed Log"},
    {"Blood_Log", Category::Logs, 12, " Blood Log"},
    {"Dragon_Log", Category::Logs, 13, " Dragon Log"},
    {"Crystal_Log", Category::Logs, 14, " Crystal Log"},
}};

// The first item of a category and how many it holds (the items of a category stand together).
struct Category_Range {
  Item first;
  std::int32_t count;
};

inline constexpr Category_Range Ores{Copper_Ore, 15};
inline constexpr Category_Range Fishes{Minnow, 17};
inline constexpr Category_Range Cooked_Fishes{Cooked_Minnow, 17};
inline constexpr Category_Range Logs{Wood_Log, 14};

// The item numbered `number` (from 1) within a category.
constexpr Item item_in(Category_Range range, std::int32_t number) {
  return static_cast<Item>(range.first + number - 1);
}

// The inventory holds 28 items, the bank 2800.
inline constexpr std::int32_t Inventory_Size = 28;
inline constexpr std::int32_t Bank_Size = 2800;

}  // namespace fm

namespace fm {
// The category ranges must cover exactly the catalogue rows of their category.
constexpr bool range_matches(Category_Range range, Category category) {
  for (std::int32_t n = 1; n <= range.count; ++n) {
    const Item_Info& info = Items[item_in(range, n)];
    if (info.category != category || info.number != n) return false;
  }
  return true;
}
static_assert(range_matches(Ores, Category::Ore));
static_assert(range_matches(Fishes, Category::Fish));
static_assert(range_matches(Cooked_Fishes, Category::Cooked_Fish));
static_assert(range_matches(Logs, Category::Logs));
static_assert(1 + 15 + 17 + 17 + 14 == Item_Count);
}  // namespace fm
