// The save file "Save.txt": the name and 148 whole numbers, one per line, in a fixed order.
#pragma once

#include <string>
#include <string_view>

#include "core/game_state.h"
#include "save/file_ops.h"

namespace fm {

inline constexpr std::string_view Save_File_Name = "Save.txt";

// Writes the game to "Save.txt" in the working directory, creating the file if it is missing.
// The old save stays whole until the new one is safely on the disk; if the game cannot be
// saved, says so.
void Save();
// Reads "Save.txt" into the game state; reads nothing when the file is missing.
void Load();

// Save() with the folder and the file-system calls given: writes the game to "Save.txt" in
// `folder` through `ops`. On failure prints "The game could not be saved." and returns false.
bool save_game(const std::string& folder, File_Ops& ops);

// The 149 lines of the save file for `state`. An empty name is written as a lone DEL character,
// which the reader turns back into the empty name.
std::string save_text(const Game_State& state);
// Reads save-file text into `state`, field by field, stopping at the first value that cannot be
// read; later fields keep their values. Values may be separated by any white space.
void load_text(std::string_view text, Game_State& state);

}  // namespace fm
