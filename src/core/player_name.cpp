#include "core/player_name.h"

#include <cstring>

namespace fm {

std::array<char, Name_Capacity> Clean_Name(std::string_view word) {
  std::array<char, Name_Capacity> name{};
  std::size_t length = 0;
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) continue;
    if (length == Name_Capacity - 1) break;
    name[length++] = c;
  }
  return name;
}

std::string_view Name_Text(const std::array<char, Name_Capacity>& name) {
  return std::string_view(name.data(), strnlen(name.data(), name.size()));
}

}  // namespace fm
