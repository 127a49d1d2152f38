// The Windows virtual-key codes of the nine keys the main loop polls, and the rules that turn the
// keyboard's answers into key presses. Pure: the keyboard is asked through a Key_State_Query, so
// a test can stand in for it without a console window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

#include "platform/console.h"

namespace fm {

struct Virtual_Key {
  Key key;
  std::uint8_t code;
};

// In the order of fm::Key, which is the order the main loop polls the keys in.
inline constexpr std::array Virtual_Keys{
    Virtual_Key{Key::Down, 0x28}, Virtual_Key{Key::Up, 0x26},  Virtual_Key{Key::Right, 0x27},
    Virtual_Key{Key::Left, 0x25}, Virtual_Key{Key::Q, 0x51},   Virtual_Key{Key::W, 0x57},
    Virtual_Key{Key::E, 0x45},    Virtual_Key{Key::Tab, 0x09}, Virtual_Key{Key::Esc, 0x1B},
};
static_assert(Virtual_Keys.size() == Key_Count, "one virtual key for each of the nine keys");

namespace detail {
constexpr bool virtual_keys_in_key_order() {
  for (std::size_t i = 0; i < Virtual_Keys.size(); ++i) {
    if (static_cast<std::size_t>(Virtual_Keys[i].key) != i) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::virtual_keys_in_key_order(), "the table is indexed by fm::Key");

constexpr std::uint8_t virtual_key_code(Key key) {
  return Virtual_Keys[static_cast<std::size_t>(key)].code;
}

// What GetAsyncKeyState answers for a key: the top bit while the key is down, the lowest bit when
// it has been pressed since the previous query. Any answer that is not 0 counts as pressed.
constexpr bool counts_as_pressed(std::int16_t key_state) {
  return key_state != 0;
}

// Whether a key press ends the wait for a key. The modifier and lock keys on their own do not,
// as a wait for "any key" in a console does not end on them either.
constexpr bool ends_key_wait(std::uint16_t code) {
  switch (code) {
    case 0x10:  // Shift
    case 0x11:  // Ctrl
    case 0x12:  // Alt
    case 0x14:  // Caps Lock
    case 0x5B:  // left Windows key
    case 0x5C:  // right Windows key
    case 0x90:  // Num Lock
    case 0x91:  // Scroll Lock
    case 0xA0:  // left and right Shift, Ctrl and Alt
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA4:
    case 0xA5:
      return false;
    default:
      return true;
  }
}

// Asks the keyboard about one virtual key, as GetAsyncKeyState does.
using Key_State_Query = std::function<std::int16_t(int virtual_key)>;

// The main loop's per-key question after a key wait. A key counts as pressed when the keyboard
// reports it (down now, or pressed since the last query), and the key whose press ended the
// wait counts too: a quick tap is often released before the loop polls it, and another program
// that asks the keyboard may have taken its "pressed since" report.
class Key_Poll {
 public:
  explicit Key_Poll(Key_State_Query query) : query_(std::move(query)) {}

  // A key wait begins: the keyboard is asked about the nine keys once and the answers dropped,
  // so "pressed since the last query" means since the wait began. Otherwise a Q, W, E or Tab
  // typed into an answer (a name such as "Qwen") would count as pressed after the next wait.
  void wait_begins() {
    waited_ = 0;
    for (const Virtual_Key& row : Virtual_Keys) query_(row.code);
  }
  // The virtual-key code of the key press that ended the wait.
  void wait_ended_by(std::uint16_t code) { waited_ = code; }
  bool was_pressed(Key key) const {
    const std::uint8_t code = virtual_key_code(key);
    return code == waited_ || counts_as_pressed(query_(code));
  }

 private:
  Key_State_Query query_;
  std::uint16_t waited_ = 0;  // 0 is no key
};

}  // namespace fm
