#include "save_round_trip.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/game_state.h"
#include "save/save_file.h"
#include "save/save_lines.h"

namespace fm {

namespace {

[[noreturn]] void fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "save round trip broken: %s\nwritten text:\n%s\n", what, text.c_str());
  std::abort();
}

}  // namespace

void check_save_round_trip(std::string_view bytes) {
  Game_State first;
  load_text(bytes, first);
  const std::string text = save_text(first);
  if (std::count(text.begin(), text.end(), '\n') != static_cast<long>(Save_Line_Count)) {
    fail("the text is not 149 lines", text);
  }
  Game_State second;
  load_text(text, second);
  if (!(second == first)) fail("reloading gives a different game", text);
  if (save_text(second) != text) fail("writing the reloaded game gives other text", text);
}

}  // namespace fm
