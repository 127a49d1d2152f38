#include "world/pickups.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/game_state.h"
#include "core/io.h"
#include "world/movement.h"

namespace fm {
namespace {

enum class Tool : std::uint8_t { Pickaxe, Axe, Fishingpole, Count };

struct Tool_Offer {
  std::string_view offer;           // the question, trailing blank included
  std::int32_t Game_State::*field;  // the tool field that receives the answer
};

inline constexpr std::array<Tool_Offer, static_cast<std::size_t>(Tool::Count)> Tool_Offers = {{
    {"Would you like to take the pick axe? ", &Game_State::pick},
    {"Would you like to take the axe? ", &Game_State::axe},
    {"Would you like to take the fishing pole? ", &Game_State::pole},
}};
static_assert(Tool_Offers.size() == 3);

// Offers the tool that lies in front of the player. The answer goes straight into the tool
// field, where only 1 counts as taken; on 1 the player steps onto the tool's square, which
// takes the tool off the map.
void Offer_Tool(Tool tool) {
  const Tool_Offer& row = Tool_Offers[static_cast<std::size_t>(tool)];
  print(row.offer, "\n", "1 yes, 2 no\n");
  std::int32_t& field = Game.*row.field;
  field = ask();
  if (field == 1) Move_Player(1);
}

}  // namespace

void Take_Pickaxe() {
  Offer_Tool(Tool::Pickaxe);
}
void Take_Axe() {
  Offer_Tool(Tool::Axe);
}
void Take_Fishingpole() {
  Offer_Tool(Tool::Fishingpole);
}

// The player jumps over the door square to the square beyond it; the door keeps its "D".
void Door_Action() {
  Move_Player(2);
}

}  // namespace fm
