#include "save/save_file.h"

#include <array>
#include <fstream>
#include <optional>

#include "core/io.h"
#include "save/line_ends.h"
#include "save/replace_file.h"

namespace fm {

bool save_game(const std::string& folder, File_Ops& ops) {
  const std::string text = with_line_ends(save_text(Game), Native_Line_End);
  if (replace_file(folder, std::string(Save_File_Name), text, ops)) return true;
  print("The game could not be saved.", "\n");
  return false;
}

void Save() {
  System_File_Ops ops;
  save_game(".", ops);
}

namespace {

// The whole content of `name`, or nothing when it is missing or cannot be read. Reads through the
// stream rather than its buffer: the stream turns a read error (such as "Save.txt" being a
// folder) into a state flag, where the buffer would throw it at the player.
std::optional<std::string> read_whole_file(const std::string& name) {
  std::ifstream file{name, std::ios::binary};
  if (!file) return std::nullopt;
  std::string text;
  std::array<char, 4096> block;
  while (file.read(block.data(), block.size()) || file.gcount() > 0) {
    text.append(block.data(), static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) return std::nullopt;
  return text;
}

}  // namespace

void Load() {
  // No save (or none that can be read): the game starts as it is.
  if (const auto text = read_whole_file(std::string(Save_File_Name))) load_text(*text, Game);
}

}  // namespace fm
