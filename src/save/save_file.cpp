#include "save/save_file.h"

#include <fstream>
#include <iterator>

#include "core/io.h"
#include "save/replace_file.h"

namespace fm {

bool save_game(const std::string& folder, File_Ops& ops) {
  if (replace_file(folder, std::string(Save_File_Name), save_text(Game), ops)) return true;
  print("The game could not be saved.", "\n");
  return false;
}

void Save() {
  System_File_Ops ops;
  save_game(".", ops);
}

void Load() {
  std::ifstream file{std::string(Save_File_Name), std::ios::binary};
  if (!file) return;  // no save yet: the game starts as it is
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  load_text(text, Game);
}

}  // namespace fm
