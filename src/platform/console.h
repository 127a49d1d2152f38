// The one seam between the game and the outside world. Game code prints text, asks for numbers
// and words, waits for keys and reads the clock through this interface and nothing else; the
// terminal, the plain stream and the scripted test console each implement it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fm {

// The nine keys that the main loop polls, in the order it polls them.
enum class Key : std::uint8_t { Down, Up, Right, Left, Q, W, E, Tab, Esc };
inline constexpr int Key_Count = 9;

// Thrown by a console read when the input has ended. The program treats it as "quit without
// saving": main catches it, restores the terminal and exits with status 0.
struct End_Of_Input : std::runtime_error {
  End_Of_Input() : std::runtime_error("end of input") {}
};

class Console {
 public:
  virtual ~Console() = default;

  // Blank screen, cursor top left. Marks the start of a new frame.
  virtual void clear_screen() = 0;
  // Text exactly as given; buffered until the next read, wait, sleep or flush.
  virtual void write(std::string_view text) = 0;
  // One whole number in the signed 32-bit range: skips white space, takes an optional sign and
  // digits; the rest of the line stays for the next read. Anything else (a word, a number out of
  // range) is discarded with the rest of its line and reads as 0.
  virtual std::int32_t read_number() = 0;
  // One word: skips white space, then takes bytes up to the next white space.
  virtual std::string read_word() = 0;
  // Blocks until a key is pressed; prints nothing.
  virtual void wait_for_key() = 0;
  // Whether `key` was pressed in the key wait that just ended.
  virtual bool was_pressed(Key key) = 0;
  // The wall clock in whole seconds.
  virtual std::int64_t now_seconds() = 0;
  // Sleeps (never spins) until now_seconds() has reached `target`.
  virtual void sleep_until(std::int64_t target) = 0;
  // Sends buffered output on its way.
  virtual void flush() = 0;
};

// The installed console. main installs the real one; tests install a scripted one.
Console& console();
void install_console(Console* installed);

}  // namespace fm
