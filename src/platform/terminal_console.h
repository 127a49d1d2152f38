// The console of a real terminal (standard input and output are one, POSIX). Key waits read raw
// keys without echo and take every key already waiting, so several keys count as pressed in one
// pass; typed answers are read in the terminal's line mode with echo, so the player sees and can
// correct them. Frames are drawn on the alternate screen, in place when they fit.
#pragma once

#include <array>
#include <string>

#include "platform/console.h"
#include "platform/fd_io.h"
#include "platform/frame_buffer.h"
#include "platform/key_decoder.h"
#include "platform/terminal_guard.h"

namespace fm {

class Terminal_Console final : public Console {
 public:
  // Throws std::system_error when `in_fd` is not a terminal. Owns neither descriptor.
  Terminal_Console(int in_fd, int out_fd);
  // Sends what is left, leaves the alternate screen and puts the terminal settings back.
  ~Terminal_Console() override;

  Terminal_Console(const Terminal_Console&) = delete;
  Terminal_Console& operator=(const Terminal_Console&) = delete;

  void clear_screen() override;
  void write(std::string_view text) override { frames_.write(text); }
  std::int32_t read_number() override;
  std::string read_word() override;
  void wait_for_key() override;
  bool was_pressed(Key key) override { return pressed_[static_cast<std::size_t>(key)]; }
  std::int64_t now_seconds() override;
  void sleep_until(std::int64_t target) override;
  // Sends the buffered output in one write. Throws End_Of_Input when the terminal is gone.
  void flush() override;

 private:
  // Reads keys until at least one is pressed and none is left waiting.
  std::vector<Key_Press> read_keys();

  int in_fd_;
  int out_fd_;
  Terminal_Guard guard_;
  Fd_Reader typed_;  // what the player typed in line mode; the rest of a line stays here
  Key_Decoder decoder_;
  bool input_ended_ = false;
  Frame_Buffer frames_;
  std::array<bool, Key_Count> pressed_{};
};

}  // namespace fm
