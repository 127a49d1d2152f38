// The save file "Save.txt": the name and 148 whole numbers, one per line, in a fixed order.
#pragma once

#include <string>
#include <string_view>

#include "core/game_state.h"

namespace fm {

// Writes the game to "Save.txt" in the working directory.
void Save();
// Reads "Save.txt" into the game state; reads nothing when the file is missing.
void Load();

// The 149 lines of the save file for `state`.
std::string save_text(const Game_State& state);
// Reads save-file text into `state`, field by field, stopping at the first value that cannot be
// read; later fields keep their values.
void load_text(std::string_view text, Game_State& state);

}  // namespace fm
