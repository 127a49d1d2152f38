#include "literal/literal_console.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

#include "platform/key_decoder.h"
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
  if (c != Escape_Byte) {
    pressed_ = single_byte_key(static_cast<unsigned char>(c));
    return;
  }
  // Which key an ESC starts is known only from the byte after it.
  pressed_ = Key::Esc;
  const int next = in.peek();
  if (next == '[' || next == 'O') {
    in.get();
    if (const std::optional<Key> arrow = arrow_key(in.peek())) {
      in.get();
      pressed_ = arrow;
    }
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
