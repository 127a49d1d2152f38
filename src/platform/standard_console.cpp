// Placeholder until the stream and terminal consoles land: plain stdio, no key decoding.
#include "platform/standard_console.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/text_input.h"

namespace fm {
namespace {
class Plain_Console final : public Console, private Byte_Source {
 public:
  void clear_screen() override { std::fputs("\x1b[H\x1b[2J", stdout); }
  void write(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stdout); }
  std::int32_t read_number() override { flush(); return read_number_from(*this); }
  std::string read_word() override { flush(); return read_word_from(*this); }
  void wait_for_key() override { flush(); if (std::getchar() < 0) throw End_Of_Input(); }
  bool was_pressed(Key) override { return false; }
  std::int64_t now_seconds() override {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch()).count();
  }
  void sleep_until(std::int64_t target) override {
    std::this_thread::sleep_until(std::chrono::system_clock::time_point(std::chrono::seconds(target)));
  }
  void flush() override { std::fflush(stdout); }
 private:
  int peek() override { int c = std::getchar(); if (c >= 0) std::ungetc(c, stdin); return c; }
  int get() override { return std::getchar(); }
};
}  // namespace
std::unique_ptr<Console> make_standard_console() { return std::make_unique<Plain_Console>(); }
}  // namespace fm
