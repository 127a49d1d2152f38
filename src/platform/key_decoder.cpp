#include "platform/key_decoder.h"

#include <utility>

namespace fm {

namespace {

// A sequence longer than this is no key any terminal sends; it is dropped as one unknown key
// rather than held without bound.
constexpr std::size_t Longest_Sequence = 32;

bool is_parameter_or_intermediate(unsigned char c) {
  return c >= 0x20 && c <= 0x3f;
}
bool is_final(unsigned char c) {
  return c >= 0x40 && c <= 0x7e;
}

}  // namespace

void Key_Decoder::feed(std::string_view bytes) {
  for (const char c : bytes) byte(static_cast<unsigned char>(c));
  if (!bytes.empty()) held_for_ = std::chrono::milliseconds{0};
}

void Key_Decoder::time_passed(std::chrono::milliseconds elapsed) {
  if (held_.empty()) return;
  held_for_ += elapsed;
  if (held_for_ >= Esc_Timeout) give_up();
}

void Key_Decoder::end_of_input() {
  if (!held_.empty()) give_up();
}

std::chrono::milliseconds Key_Decoder::time_left() const {
  if (held_.empty() || held_for_ >= Esc_Timeout) return std::chrono::milliseconds{0};
  return Esc_Timeout - held_for_;
}

std::vector<Key_Press> Key_Decoder::take() {
  return std::exchange(presses_, {});
}

void Key_Decoder::byte(unsigned char c) {
  if (held_.empty()) {
    if (c == Escape_Byte) {
      held_.push_back(static_cast<char>(c));
    } else {
      press(single_byte_key(c));
    }
    return;
  }
  if (held_.size() == 1) {
    if (c == '[' || c == 'O') {
      held_.push_back(static_cast<char>(c));
      return;
    }
    // ESC followed by anything else is Esc, and the byte after it is a key of its own.
    held_.clear();
    press(Key::Esc);
    byte(c);
    return;
  }
  if (is_final(c)) {
    // ESC [ 1 ; 5 A (an arrow with Shift or Ctrl held) is still that arrow.
    held_.clear();
    press(arrow_key(c));
    return;
  }
  if (is_parameter_or_intermediate(c) && held_.size() < Longest_Sequence) {
    held_.push_back(static_cast<char>(c));
    return;
  }
  // Broken off by a byte that belongs to no sequence: what was held counts on its own and the
  // byte is decoded afresh.
  give_up();
  byte(c);
}

void Key_Decoder::give_up() {
  if (held_.size() <= 2) {
    // A lone ESC, or ESC and one more byte: the Esc key, then that byte pressed after it.
    press(Key::Esc);
    if (held_.size() == 2) press(single_byte_key(static_cast<unsigned char>(held_[1])));
  } else {
    press(std::nullopt);  // the start of a sequence that never finished
  }
  held_.clear();
  held_for_ = std::chrono::milliseconds{0};
}

}  // namespace fm
