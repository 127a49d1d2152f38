// The fish that can be cooked on a fire, and the Cooking level each one needs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/items.h"

namespace fm {

struct Cookable_Fish {
  std::string_view entry;             // its text in the list, such as "2 Sardine, "
  Item raw;                           // the raw counter, lowered by one
  Item cooked;                        // the cooked counter, raised by one
  std::optional<std::int32_t> level;  // offered only at exactly this Cooking level (none: any)
  std::int32_t experience;            // granted to Cooking for each fish
  std::string_view message;           // printed, without a line end, when it is cooked
};

// Every fish cooks for the same time, then the message stands for one second.
inline constexpr std::int32_t Cooking_Wait = 3;

// The levels run in steps of 5 up to 55 and go on from 65: no fish is cooked at level 60.
inline constexpr std::array<Cookable_Fish, 17> Cookable_Fishes = {{
    {"1 Minnow, ", Minnow, Cooked_Minnow, std::nullopt, 1, "You cook a Minnow."},
    {"2 Sardine, ", Sardine, Cooked_Sardine, 5, 2, "You cook a Sardine."},
    {"3 Herring, ", Herring, Cooked_Herring, 10, 3, "You cook a Herring."},
    {"4 Anchovies, ", Anchovies, Cooked_Anchovies, 15, 4, "You cook a Anchovies."},
    {"5 Trout, ", Trout, Cooked_Trout, 20, 5, "You cook a Trout."},
    {"6 Pike, ", Pike, Cooked_Pike, 25, 6, "You cook a Pike."},
    {"7 Salmon, ", Salmon, Cooked_Salmon, 30, 7, "You cook a Salmon."},
    {"8 Tuna, ", Tuna, Cooked_Tuna, 35, 8, "You cook a Tuna."},
    {"9 Lobster, ", Lobster, Cooked_Lobster, 40, 9, "You cook a Lobster."},
    {"10 Bass, ", Bass, Cooked_Bass, 45, 10, "You cook a Bass."},
    {"11 Swordfish, ", Swordfish, Cooked_Swordfish, 50, 11, "You cook a Swordfish."},
    {"12 Eel, ", Eel, Cooked_Eel, 55, 12, "You cook a Eel."},
    {"13 Monk Fish, ", Monk_Fish, Cooked_Monk_Fish, 65, 13, "You cook a Monk Fish."},
    {"14 Sturgeon, ", Sturgeon, Cooked_Sturgeon, 70, 14, "You cook a Sturgeon."},
    {"15 Shark, ", Shark, Cooked_Shark, 75, 15, "You cook a Shark."},
    {"16 Sea Turtle, ", Sea_Turtle, Cooked_Sea_Turtle, 80, 16, "You cook a Sea Turtle."},
    {"17 Manta Ray, ", Manta_Ray, Cooked_Manta_Ray, 85, 17, "You cook a Manta Ray."},
}};

// One row per fish, raw and cooked in catalogue order.
constexpr bool fishes_match() {
  if (static_cast<std::int32_t>(Cookable_Fishes.size()) != Fishes.count) return false;
  if (Fishes.count != Cooked_Fishes.count) return false;
  for (std::size_t i = 0; i < Cookable_Fishes.size(); ++i) {
    const auto number = static_cast<std::int32_t>(i + 1);
    const Cookable_Fish& fish = Cookable_Fishes[i];
    if (fish.raw != item_in(Fishes, number) || fish.cooked != item_in(Cooked_Fishes, number)) {
      return false;
    }
  }
  return true;
}
static_assert(fishes_match());

}  // namespace fm
