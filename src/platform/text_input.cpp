#include "platform/text_input.h"

#include <limits>

#include "platform/console.h"

namespace fm {

namespace {

bool is_space(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool is_digit(int c) {
  return c >= '0' && c <= '9';
}

void skip_space(Byte_Source& source) {
  while (is_space(source.peek())) source.get();
  if (source.peek() < 0) throw End_Of_Input();
}

void discard_line(Byte_Source& source) {
  for (int c = source.get(); c >= 0 && c != '\n'; c = source.get()) {
  }
}

}  // namespace

std::int32_t read_number_from(Byte_Source& source) {
  skip_space(source);
  bool negative = false;
  if (source.peek() == '+' || source.peek() == '-') negative = source.get() == '-';
  if (!is_digit(source.peek())) {
    discard_line(source);
    return 0;
  }
  // Accumulate in 64 bits and stop growing once out of range, so no digit count overflows.
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t value = 0;
  while (is_digit(source.peek())) {
    const int digit = source.get() - '0';
    if (value <= limit) value = value * 10 + digit;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    discard_line(source);
    return 0;
  }
  return static_cast<std::int32_t>(value);
}

std::string read_word_from(Byte_Source& source) {
  skip_space(source);
  std::string word;
  while (source.peek() >= 0 && !is_space(source.peek())) {
    word.push_back(static_cast<char>(source.get()));
  }
  return word;
}

}  // namespace fm
