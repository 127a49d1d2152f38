// The console of plain byte streams: standard input is a pipe or a file. It is the scripted
// interface for tests, tools and players' own scripts: typed answers and keys come from the same
// bytes, nothing is echoed, and a screen clear is written as escape codes.
#pragma once

#include <optional>
#include <string>

#include "platform/console.h"
#include "platform/fd_io.h"

namespace fm {

class Stream_Console final : public Console {
 public:
  // Reads from `in_fd` and writes to `out_fd`; owns neither.
  Stream_Console(int in_fd, int out_fd) : in_(in_fd), out_fd_(out_fd) {}
  ~Stream_Console() override;

  Stream_Console(const Stream_Console&) = delete;
  Stream_Console& operator=(const Stream_Console&) = delete;

  void clear_screen() override;
  void write(std::string_view text) override { out_.append(text); }
  std::int32_t read_number() override;
  std::string read_word() override;
  // Skips CR, LF and blanks, then takes exactly one key: the only key pressed in this pass.
  void wait_for_key() override;
  bool was_pressed(Key key) override { return pressed_ == key; }
  std::int64_t now_seconds() override;
  void sleep_until(std::int64_t target) override;
  // Sends the buffered output in one write. Throws End_Of_Input when the output is gone.
  void flush() override;

 private:
  Fd_Reader in_;
  int out_fd_;
  std::string out_;
  std::optional<Key> pressed_;  // the key of the last wait; empty when it was none of the nine
};

}  // namespace fm
