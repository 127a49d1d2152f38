// Turns the bytes a terminal sends for key presses into key presses. Pure: the caller feeds the
// bytes as they arrive and tells how much time has passed without new bytes, so a lone Esc can be
// told apart from the start of an arrow's escape sequence.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"

namespace fm {

// One key press: one of the nine keys of the game, or (empty) a key that is none of them.
struct Key_Press {
  std::optional<Key> key;
  friend bool operator==(const Key_Press&, const Key_Press&) = default;
};

inline constexpr char Escape_Byte = '\x1b';

// The key of a byte pressed on its own: TAB, q/Q, w/W, e/E, or none of the nine.
constexpr std::optional<Key> single_byte_key(unsigned char byte) {
  switch (byte) {
    case '\t':
      return Key::Tab;
    case 'q':
    case 'Q':
      return Key::Q;
    case 'w':
    case 'W':
      return Key::W;
    case 'e':
    case 'E':
      return Key::E;
    default:
      return std::nullopt;
  }
}

// The arrow named by the last byte of `ESC [ X` or `ESC O X`, if X names one.
constexpr std::optional<Key> arrow_key(int final_byte) {
  switch (final_byte) {
    case 'A':
      return Key::Up;
    case 'B':
      return Key::Down;
    case 'C':
      return Key::Right;
    case 'D':
      return Key::Left;
    default:
      return std::nullopt;
  }
}

class Key_Decoder {
 public:
  // How long a lone ESC waits for the rest of a sequence before it counts as the Esc key. A
  // terminal sends a whole sequence in one write, so its bytes come in one read; the wait is only
  // for a sequence cut by a slow link, and short enough that the player gets the save question
  // within 25 ms of pressing Esc (the rest of the 25 ms is the reading and drawing).
  static constexpr std::chrono::milliseconds Esc_Timeout{20};

  // Bytes that have just arrived.
  void feed(std::string_view bytes);
  // `elapsed` has passed without new bytes. Once the bytes of an unfinished sequence have waited
  // Esc_Timeout, they count as the keys they would be on their own.
  void time_passed(std::chrono::milliseconds elapsed);
  // No more bytes will come: whatever is held counts as the keys it would be on its own.
  void end_of_input();

  // Whether bytes of an unfinished sequence are held back.
  bool holding() const { return !held_.empty(); }
  // How much longer held bytes wait for the rest of their sequence (zero when nothing is held).
  std::chrono::milliseconds time_left() const;

  // The key presses decoded so far, in order; forgets them.
  std::vector<Key_Press> take();

 private:
  void byte(unsigned char c);
  void give_up();
  void press(std::optional<Key> key) { presses_.push_back(Key_Press{key}); }

  std::string held_;  // an escape sequence begun but not finished
  std::chrono::milliseconds held_for_{0};
  std::vector<Key_Press> presses_;
};

}  // namespace fm
