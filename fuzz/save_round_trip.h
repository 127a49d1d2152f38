// The property the save-file fuzzers check on any bytes at all.
#pragma once

#include <string_view>

namespace fm {

// Loads `bytes` into a fresh game state, writes that state and loads the result into another
// fresh state. Aborts, with a note on standard error, unless the two states are equal, the
// written text is 149 lines and writing the second state gives the same text again.
void check_save_round_trip(std::string_view bytes);

}  // namespace fm
