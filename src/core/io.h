// Small helpers for the game's text: print any mix of texts and numbers through the installed
// console, and ask for a whole number.
#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/console.h"

namespace fm {

namespace detail {
inline void put(Console& con, std::string_view text) {
  con.write(text);
}
inline void put(Console& con, char c) {
  con.write(std::string_view(&c, 1));
}
template <std::integral Number>
requires(!std::same_as<Number, char> && !std::same_as<Number, bool>) void put(Console& con,
                                                                              Number n) {
  char digits[24];  // room for any 64-bit number and its sign
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  con.write(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}
}  // namespace detail

// print("You have: ", 3, " Copper\n")
template <typename... Parts>
void print(const Parts&... parts) {
  Console& con = console();
  (detail::put(con, parts), ...);
}

// Reads the player's answer: one whole number (0 when what was typed is not one).
inline std::int32_t ask() {
  return console().read_number();
}

}  // namespace fm
