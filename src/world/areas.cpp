#include "world/areas.h"

#include <array>

#include "core/game_state.h"
#include "core/main_loop.h"
#include "world/templates.h"

namespace fm {

namespace {

// Which template a band of areas shows. Areas 1 to 3 show their `taken` template once their
// tool field holds 1.
struct Area_Band {
  std::int32_t first;
  std::int32_t last;
  Map_Template shown;
  std::int32_t Game_State::*tool;  // nullptr: the area has one template
  Map_Template taken;
};

constexpr std::array<Area_Band, 24> Area_Table = {{
    {1, 1, Map_Template::River_Map, &Game_State::pick, Map_Template::River_Map_Taken},
    {2, 2, Map_Template::Quarry_Map, &Game_State::axe, Map_Template::Quarry_Map_Taken},
    {3, 3, Map_Template::Pond_Map, &Game_State::pole, Map_Template::Pond_Map_Taken},
    {4, 4, Map_Template::Village_Map, nullptr, {}},
    {5, 5, Map_Template::Ruins_Map, nullptr, {}},
    {6, 6, Map_Template::Woods_Map, nullptr, {}},
    {7, 7, Map_Template::Strip_Map_5, nullptr, {}},
    {8, 8, Map_Template::Strip_Map_6, nullptr, {}},
    {9, 9, Map_Template::Strip_Map_4, nullptr, {}},
    {10, 10, Map_Template::Strip_Map_7, nullptr, {}},
    {11, 11, Map_Template::Strip_Map_8, nullptr, {}},
    {12, 12, Map_Template::Strip_Map_9, nullptr, {}},
    {13, 13, Map_Template::Strip_Map_6, nullptr, {}},
    {14, 14, Map_Template::Strip_Map_7, nullptr, {}},
    {15, 15, Map_Template::Strip_Map_5, nullptr, {}},
    {16, 16, Map_Template::Strip_Map_6, nullptr, {}},
    {17, 18, Map_Template::Strip_Map_7, nullptr, {}},
    {19, 19, Map_Template::Strip_Map_6, nullptr, {}},
    {20, 20, Map_Template::Strip_Map_7, nullptr, {}},
    {21, 21, Map_Template::Strip_Map_6, nullptr, {}},
    {22, 22, Map_Template::Strip_Map_4, nullptr, {}},
    {23, 33, Map_Template::Strip_Map_8, nullptr, {}},
    {34, 69, Map_Template::Field_Map, nullptr, {}},
    {70, 70, Map_Template::End_Map, nullptr, {}},
}};

// The bands follow each other without gap or overlap from area 1 to area 70.
constexpr bool Bands_Cover_All_Areas() {
  std::int32_t next = First_Area;
  for (const Area_Band& band : Area_Table) {
    if (band.first != next || band.last < band.first) return false;
    next = band.last + 1;
  }
  return next == Last_Area + 1;
}
static_assert(Bands_Cover_All_Areas());

Map_Template Template_Of(std::int32_t area) {
  for (const Area_Band& band : Area_Table) {
    if (area < band.first || area > band.last) continue;
    if (band.tool != nullptr && Game.*band.tool == 1) return band.taken;
    return band.shown;
  }
  return Map_Template::Field_Map;  // not reached for areas 1 to 70
}

void Copy_Template(Map_Template which) {
  Game.Map = Grid{};
  const Template_Rows& rows = Template_Data(which);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    rows[row].copy(Game.Map[row].data(), rows[row].size());
  }
}

}  // namespace

void Load_World(std::int32_t area) {
  if (area < First_Area || area > Last_Area) return;
  if (Game.Enter_Level == 0) {
    Game.x = 1;
    Game.y = 1;
    Game.Enter_Level = 1;
  }
  Copy_Template(Template_Of(area));
}

void Level_Select() {
  Load_World(Game.Level_Sel);
  if (!Game.Loop_Started) {
    Game.Loop_Started = true;
    Game_Mechanics();
  }
}

}  // namespace fm
