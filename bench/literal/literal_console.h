// The baseline that the benchmarks compare the game with: the same game drawn the literal way.
// It clears the screen by running the shell's `clear`, ends every line with std::endl (a flush,
// so one write per line) and waits by asking time() again and again until the second has come.
// Keys and answers are read from standard input in the same byte protocol as the stream console,
// so both programs can be fed one script.
#pragma once

#include <optional>

#include "platform/console.h"

namespace fm::bench {

class Literal_Console final : public Console {
 public:
  void clear_screen() override;
  void write(std::string_view text) override;
  std::int32_t read_number() override;
  std::string read_word() override;
  void wait_for_key() override;
  bool was_pressed(Key key) override { return pressed_ == key; }
  std::int64_t now_seconds() override;
  void sleep_until(std::int64_t target) override;
  void flush() override;

 private:
  std::optional<Key> pressed_;
};

}  // namespace fm::bench
