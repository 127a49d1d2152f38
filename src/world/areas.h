// The seventy areas: which template each area shows, and entering an area.
#pragma once

#include <cstdint>

namespace fm {

inline constexpr std::int32_t First_Area = 1;
inline constexpr std::int32_t Last_Area = 70;

// Runs the loader of area Level_Sel (none for a number outside 1 to 70), then starts the main
// loop unless it is already running.
void Level_Select();
// The loader of area `area` (1 to 70): puts the player on (1, 1) while Enter_Level is 0 and
// copies the area's template over Map.
void Load_World(std::int32_t area);

}  // namespace fm
