// The scripted console of the tests: keys and typed text are queued up front, output is captured
// as text with every screen clear marked, and a fake clock makes every wait instant.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"
#include "platform/text_input.h"

namespace fm::testing {

class Scripted_Console final : public Console, private Byte_Source {
 public:
  // What a screen clear leaves in the captured output.
  static constexpr std::string_view Clear_Mark = "<cls>";

  explicit Scripted_Console(std::int64_t start_seconds = 1'000'000) : clock_(start_seconds) {}

  // Queues the keys pressed in one key wait (several keys = pressed in the same pass).
  Scripted_Console& keys(std::initializer_list<Key> pressed);
  // Queues a key wait in which a key that is none of the nine was pressed.
  Scripted_Console& other_key();
  // Appends text to what the player types (numbers and words are read from it).
  Scripted_Console& type(std::string_view text);
  // Types one number and Enter.
  Scripted_Console& answer(std::int64_t number);

  // Everything written so far.
  const std::string& output() const { return output_; }
  // The output since the last screen clear.
  std::string since_last_clear() const;
  // Forgets the output captured so far.
  void clear_output() { output_.clear(); }
  // The length, in seconds, of every sleep so far.
  const std::vector<std::int64_t>& sleeps() const { return sleeps_; }
  std::int64_t now() const { return clock_; }
  void advance(std::int64_t seconds) { clock_ += seconds; }
  // Key waits and typed bytes still unread.
  std::size_t keys_left() const { return key_waits_.size() - next_wait_; }
  std::string typed_left() const { return typed_.substr(typed_pos_); }

  void clear_screen() override;
  void write(std::string_view text) override;
  std::int32_t read_number() override;
  std::string read_word() override;
  void wait_for_key() override;
  bool was_pressed(Key key) override;
  std::int64_t now_seconds() override { return clock_; }
  void sleep_until(std::int64_t target) override;
  void flush() override {}

 private:
  int peek() override;
  int get() override;

  std::string output_;
  std::vector<std::set<Key>> key_waits_;
  std::size_t next_wait_ = 0;
  std::set<Key> pressed_;
  std::string typed_;
  std::size_t typed_pos_ = 0;
  std::int64_t clock_;
  std::vector<std::int64_t> sleeps_;
};

}  // namespace fm::testing
