// The console of a Windows console window (standard input and output are both one). Key waits
// read one key press without echo and then ask the keyboard about each of the nine keys, as the
// main loop polls them; typed answers are read in the console's line mode with echo. The screen
// is cleared with escape codes where the console understands them, else through the console API.
// With escape codes, a frame after the first is drawn over the last one in place (no blank flash)
// when it fits the window, as on a POSIX terminal.
#pragma once

#include <windows.h>

#include <string>

#include "platform/console.h"
#include "platform/frame_buffer.h"
#include "platform/windows/console_line_reader.h"
#include "platform/windows/console_mode_guard.h"
#include "platform/windows/console_modes.h"
#include "platform/windows/virtual_keys.h"

namespace fm {

class Windows_Console final : public Console {
 public:
  // Throws std::system_error when `in` or `out` is not a console. Owns neither handle.
  Windows_Console(HANDLE in, HANDLE out);
  // Sends what is left and puts the console modes back.
  ~Windows_Console() override;

  Windows_Console(const Windows_Console&) = delete;
  Windows_Console& operator=(const Windows_Console&) = delete;

  void clear_screen() override;
  void write(std::string_view text) override { frames_.write(text); }
  std::int32_t read_number() override;
  std::string read_word() override;
  void wait_for_key() override;
  bool was_pressed(Key key) override { return keys_.was_pressed(key); }
  std::int64_t now_seconds() override;
  void sleep_until(std::int64_t target) override;
  // Sends the buffered output in one write. Throws End_Of_Input when the console is gone.
  void flush() override;

 private:
  HANDLE input_;
  HANDLE output_;
  Console_Mode_Guard guard_;
  Console_Line_Reader typed_;
  Key_Poll keys_;
  Clear_Method clear_ = Clear_Method::Console_Api;
  Frame_Buffer frames_;
  bool cleared_before_ = false;  // the first clear blanks the whole screen, as "cls" does
};

}  // namespace fm
