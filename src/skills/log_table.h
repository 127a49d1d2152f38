// The logs that firemaking can burn: which Firemaking levels and which band of five areas allow
// each one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/items.h"

namespace fm {

struct Burnable_Log {
  std::string_view entry;                   // its text in the list, such as "2 Oak, "
  Item item;                                // the log counter that one fire uses up
  std::optional<std::int32_t> level_bound;  // offered only while Firemaking is above this
  std::int32_t first_area;                  // the band of areas (Level_Sel) it burns in
  std::int32_t last_area;
};

// Every fire gives the same experience, whatever the log.
inline constexpr std::int32_t Fire_Experience = 1;

inline constexpr std::array<Burnable_Log, 14> Burnable_Logs = {{
    // Wood's entry opens a new line; every other entry stands on the question's line.
    {"\n1 Wood, ", Wood_Log, std::nullopt, 1, 5},
    {"2 Oak, ", Oak_Log, 4, 6, 10},
    {"3 Willow, ", Willow_Log, 9, 11, 15},
    {"4 Teak, ", Teak_Log, 14, 16, 20},
    {"5 Maple, ", Maple_Log, 19, 21, 25},
    {"6 Mahogany, ", Mahogany_Log, 24, 26, 30},
    {"7 Arctic Pine, ", Arctic_Pine_Log, 29, 31, 35},
    {"8 Eucalyptus, ", Eucalyptus_Log, 34, 36, 40},
    {"9 Yew, ", Yew_Log, 39, 41, 45},
    {"10 Magic, ", Magic_Log, 44, 46, 50},
    {"11 Cursed, ", Cursed_Log, 54, 51, 55},
    {"12 Blood, ", Blood_Log, 64, 56, 60},
    {"13 Dragon, ", Dragon_Log, 74, 61, 65},
    {"14 Crystal, ", Crystal_Log, 84, 66, 70},
}};

// One row per log in catalogue order; band k covers the areas above 5(k-1) up to 5k, so the
// bands never overlap and at most one log burns in any area.
constexpr bool logs_match() {
  if (static_cast<std::int32_t>(Burnable_Logs.size()) != Logs.count) return false;
  for (std::size_t i = 0; i < Burnable_Logs.size(); ++i) {
    const auto number = static_cast<std::int32_t>(i + 1);
    const Burnable_Log& log = Burnable_Logs[i];
    if (log.item != item_in(Logs, number)) return false;
    if (log.first_area != 5 * (number - 1) + 1 || log.last_area != 5 * number) return false;
  }
  return true;
}
static_assert(logs_match());

}  // namespace fm
