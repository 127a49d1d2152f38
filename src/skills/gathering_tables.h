// The option tables of the three gathering skills and the texts that tell the skills apart. One
// procedure (gathering.cpp) walks them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/game_state.h"
#include "core/items.h"

namespace fm {

// One resource a gathering skill can offer. Options are numbered from 1 in table order.
struct Gathering_Option {
  std::string_view entry;                   // its text in the list, such as "3 Blurite, "
  Item item;                                // the counter raised by one when it is gathered
  std::optional<std::int32_t> level_bound;  // offered only while the skill level is above this
  std::optional<std::int32_t> area_bound;   // offered only while Level_Sel is above this
  std::int32_t experience;                  // granted to the skill for each item
  std::int32_t wait;                        // seconds waited before the item is given
  std::string_view message;                 // printed, without a line end, when it is given
};

inline constexpr std::nullopt_t Unbounded = std::nullopt;

inline constexpr std::array<Gathering_Option, 15> Mining_Options = {{
    {"1 copper, ", Copper_Ore, Unbounded, Unbounded, 1, 3, "You mine some copper."},
    {"2 tin, ", Tin_Ore, Unbounded, Unbounded, 1, 3, "You mine some tin."},
    {"3 Blurite, ", Blurite_Ore, 4, 4, 2, 4, "You mine some Blurite."},
    {"4 Iron, ", Iron_Ore, 9, 9, 3, 5, "You mine some Iron."},
    {"5 Silver, ", Silver_Ore, 14, 14, 4, 6, "You mine some Silver."},
    {"6 Elemental, ", Elemental_Ore, 19, 19, 5, 7, "You mine some Elemental."},
    {"7 Gold, ", Gold_Ore, 24, 24, 6, 8, "You mine some Gold."},
    {"8 Mithril, ", Mithril_Ore, 29, 29, 7, 9, "You mine some Mithril."},
    {"9 Adamantite, ", Adamantite_Ore, 34, 34, 8, 10, "You mine some Adamantite."},
    {"10 Runite, ", Runite_Ore, 39, 39, 9, 11, "You mine some Runite."},
    // Magic waits as long as Runite.
    {"11 Magic, ", Magic_Ore, 44, 44, 10, 11, "You mine some Magic Ore."},
    // From Cursed on the level bound grows by 10 per option, the area bound by 5.
    {"12 Cursed, ", Cursed_Ore, 54, 49, 11, 12, "You mine some Cursed Ore."},
    {"13 Blood, ", Blood_Ore, 64, 54, 12, 13, "You mine some Blood Ore."},
    {"14 Dragon, ", Dragon_Ore, 74, 59, 13, 14, "You mine some Dragon Ore."},
    {"15 Crystal, ", Crystal_Ore, 84, 64, 14, 15, "You mine some Crystal Ore."},
}};

inline constexpr std::array<Gathering_Option, 17> Fishing_Options = {{
    {"1 Minnow, ", Minnow, Unbounded, Unbounded, 1, 3, "You catch a Minnow."},
    {"2 Sardine, ", Sardine, 4, 3, 2, 4, "You catch a Sardine."},
    {"3 Herring, ", Herring, 9, 7, 3, 5, "You catch a Herring."},
    {"4 Anchovies, ", Anchovies, 14, 11, 4, 6, "You catch a Anchovies."},
    {"5 Trout, ", Trout, 19, 15, 5, 7, "You catch a Trout."},
    {"6 Pike, ", Pike, 24, 19, 6, 8, "You catch a Pike."},
    {"7 Salmon, ", Salmon, 29, 23, 7, 9, "You catch a Salmon."},
    {"8 Tuna, ", Tuna, 34, 27, 8, 10, "You catch a Tuna."},
    {"9 Lobster, ", Lobster, 39, 31, 9, 11, "You catch a Lobster."},
    {"10 Bass, ", Bass, 44, 35, 10, 12, "You catch a Bass."},
    {"11 Swordfish, ", Swordfish, 49, 39, 11, 13, "You catch a Swordfish."},
    {"12 Eel, ", Eel, 54, 43, 12, 14, "You catch a Eel."},
    // The level bound jumps from 54 to 64 here.
    {"13 Monk Fish, ", Monk_Fish, 64, 47, 13, 15, "You catch a Monk Fish."},
    {"14 Sturgeon, ", Sturgeon, 69, 51, 14, 16, "You catch a Sturgeon."},
    {"15 Shark, ", Shark, 74, 55, 15, 17, "You catch a Shark."},
    {"16 Sea Turtle, ", Sea_Turtle, 79, 59, 16, 18, "You catch a Sea Turtle."},
    // The last entry has no blank after its comma: the closing text follows it directly.
    {"17 Manta Ray,", Manta_Ray, 84, 64, 17, 19, "You catch a Manta Ray."},
}};

inline constexpr std::array<Gathering_Option, 14> Woodcutting_Options = {{
    {"1 Wood, ", Wood_Log, Unbounded, Unbounded, 1, 3, "You cut some Wood Logs."},
    {"2 Oak, ", Oak_Log, 4, 4, 2, 4, "You cut some Oak Logs."},
    {"3 Willow, ", Willow_Log, 9, 9, 3, 5, "You cut some Willow Logs."},
    {"4 Teak, ", Teak_Log, 14, 14, 4, 6, "You cut some Teak Logs."},
    {"5 Maple, ", Maple_Log, 19, 19, 5, 7, "You cut some Maple Logs."},
    {"6 Mahogany, ", Mahogany_Log, 24, 24, 6, 8, "You cut some Mahogany Logs."},
    {"7 Arctic Pine, ", Arctic_Pine_Log, 29, 29, 7, 9, "You cut some Arctic Pine Logs."},
    {"8 Eucalyptus, ", Eucalyptus_Log, 34, 34, 8, 10, "You cut some Eucalyptus Logs."},
    {"9 Yew, ", Yew_Log, 39, 39, 9, 11, "You cut some Yew Logs."},
    // Magic waits as long as Yew.
    {"10 Magic, ", Magic_Log, 44, 44, 10, 11, "You cut some Magic Logs."},
    {"11 Cursed, ", Cursed_Log, 54, 49, 11, 12, "You cut some Cursed Logs."},
    {"12 Blood, ", Blood_Log, 64, 54, 12, 13, "You cut some Blood Logs."},
    {"13 Dragon, ", Dragon_Log, 74, 59, 13, 14, "You cut some Dragon Logs."},
    {"14 Crystal, ", Crystal_Log, 84, 64, 14, 15, "You cut some Crystal Logs."},
}};

// What tells one gathering skill from another.
struct Gathering_Skill {
  Skill skill;                          // the skill that gains the experience
  std::int32_t Game_State::*tool;       // the tool field; the skill works only while it is 1
  std::int32_t Game_State::*selection;  // the field that takes both answers
  std::string_view lead;                // printed before the first question
  std::string_view first_question;      // the yes/no question
  std::string_view second_question;     // the question above the list
  std::string_view closing;             // the text that ends the list
  Category_Range items;                 // the catalogue items the options give, in order
  std::span<const Gathering_Option> options;
};

inline constexpr Gathering_Skill Mining_Gathering{Skill::Mining,
                                                  &Game_State::pick,
                                                  &Game_State::mining,
                                                  "\n\n",
                                                  "Would you like to mine? ",
                                                  "What would you like to mine?",
                                                  "Any key to mine nothing",
                                                  Ores,
                                                  Mining_Options};

inline constexpr Gathering_Skill Fishing_Gathering{Skill::Fishing,
                                                   &Game_State::pole,
                                                   &Game_State::fishing,
                                                   "",
                                                   "Would you like to fish? ",
                                                   "What would you like to catch?",
                                                   "Any key to catch nothing",
                                                   Fishes,
                                                   Fishing_Options};

inline constexpr Gathering_Skill Woodcutting_Gathering{Skill::Woodcutting,
                                                       &Game_State::axe,
                                                       &Game_State::woodcutting,
                                                       "",
                                                       "Would you like to cut wood? ",
                                                       "What would you like to cut?",
                                                       "Any key to cut nothing",
                                                       Logs,
                                                       Woodcutting_Options};

// The number an entry starts with ("12 Cursed, " gives 12).
constexpr std::int32_t leading_number(std::string_view text) {
  std::int32_t number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    number = number * 10 + (c - '0');
  }
  return number;
}

// Every table has one option per item of its category, in catalogue order, and every entry
// starts with its option number.
constexpr bool options_match(const Gathering_Skill& gathering) {
  if (static_cast<std::int32_t>(gathering.options.size()) != gathering.items.count) return false;
  for (std::size_t i = 0; i < gathering.options.size(); ++i) {
    const auto number = static_cast<std::int32_t>(i + 1);
    const Gathering_Option& option = gathering.options[i];
    if (option.item != item_in(gathering.items, number)) return false;
    if (leading_number(option.entry) != number) return false;
    if (option.experience <= 0 || option.wait <= 0) return false;
  }
  return true;
}
static_assert(options_match(Mining_Gathering));
static_assert(options_match(Fishing_Gathering));
static_assert(options_match(Woodcutting_Gathering));

}  // namespace fm
