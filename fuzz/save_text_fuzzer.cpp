// libFuzzer target: any bytes, read as a save file, must write and read back to the same game.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "save_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fm::check_save_round_trip(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
