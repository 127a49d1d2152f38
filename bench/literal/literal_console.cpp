#include "literal/literal_console.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

#include "platform/text_input.h"

namespace fm::bench {

namespace {

// Standard input through std::cin, one byte at a time.
class Cin_Source final : public Byte_Source {
 public:
  int peek() override {
    const int c = std::cin.peek();
    return c == std::char_traits<char>::eof() ? -1 : c;
  }
  int get() override {
    const int c = std::cin.get();
    return c == std::char_traits<char>::eof() ? -1 : c;
  }
};

std::optional<Key> arrow(int c) {
  switch (c) {
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

}  // namespace

void Literal_Console::clear_screen() {
  std::cout.flush();
  if (std::system("clear") == -1) std::cout << "\n";
}

void Literal_Console::write(std::string_view text) {
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    std::cout << text.substr(0, end) << std::endl;
    text.remove_prefix(end + 1);
  }
  std::cout << text;
}

std::int32_t Literal_Console::read_number() {
  std::cout.flush();
  Cin_Source in;
  return read_number_from(in);
}

std::string Literal_Console::read_word() {
  std::cout.flush();
  Cin_Source in;
  return read_word_from(in);
}

void Literal_Console::wait_for_key() {
  std::cout.flush();
  Cin_Source in;
  int c = in.get();
  while (c == '\r' || c == '\n' || c == ' ') c = in.get();
  if (c < 0) throw End_Of_Input();
  pressed_.reset();
  switch (c) {
    case 0x1b: {
      // Which key an ESC starts is known only from the byte after it.
      const int next = in.peek();
      if (next == '[' || next == 'O') {
        in.get();
        pressed_ = arrow(in.peek());
        if (pressed_) {
          in.get();
          return;
        }
      }
      pressed_ = Key::Esc;
      return;
    }
    case '\t':
      pressed_ = Key::Tab;
      return;
    case 'q':
    case 'Q':
      pressed_ = Key::Q;
      return;
    case 'w':
    case 'W':
      pressed_ = Key::W;
      return;
    case 'e':
    case 'E':
      pressed_ = Key::E;
      return;
    default:
      return;
  }
}

std::int64_t Literal_Console::now_seconds() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

void Literal_Console::sleep_until(std::int64_t target) {
  std::cout.flush();
  while (static_cast<std::int64_t>(std::time(nullptr)) < target) {
  }
}

void Literal_Console::flush() {
  std::cout.flush();
}

}  // namespace fm::bench
