#include "platform/windows/windows_console.h"

#include <string_view>

#include "platform/wall_clock.h"

namespace fm {

namespace {

// Like "cls": the screen and the lines scrolled off it are blank, the cursor is top left.
constexpr std::string_view Clear_Sequence = "\x1b[H\x1b[2J\x1b[3J";

std::int16_t async_key_state(int virtual_key) {
  return GetAsyncKeyState(virtual_key);
}

// The clear of consoles that do not understand escape codes: every cell of the screen buffer
// becomes a blank in the current colours, and the cursor goes top left.
void clear_with_console_api(HANDLE out) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(out, &info) == 0) return;
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  const COORD origin{0, 0};
  DWORD done = 0;
  FillConsoleOutputCharacterW(out, L' ', cells, origin, &done);
  FillConsoleOutputAttribute(out, info.wAttributes, cells, origin, &done);
  SetConsoleCursorPosition(out, origin);
}

// The visible part of the console's screen buffer, in which a frame is drawn.
Screen_Size window_size(HANDLE out) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(out, &info) == 0) return {};
  const int rows = info.srWindow.Bottom - info.srWindow.Top + 1;
  const int columns = info.srWindow.Right - info.srWindow.Left + 1;
  if (rows <= 0 || columns <= 0) return {};
  return Screen_Size{rows, columns};
}

// Writes all of `text` (UTF-8) to the console; false when the console can no longer be written.
bool write_console(HANDLE out, std::string_view text) {
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  const int wide_size = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  if (wide_size <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), wide_size);
  std::wstring_view rest = wide;
  while (!rest.empty()) {
    DWORD put = 0;
    if (WriteConsoleW(out, rest.data(), static_cast<DWORD>(rest.size()), &put, nullptr) == 0 ||
        put == 0) {
      return false;
    }
    rest.remove_prefix(put);
  }
  return true;
}

}  // namespace

Windows_Console::Windows_Console(HANDLE in, HANDLE out)
    : input_(in), output_(out), guard_(in, out), typed_(in), keys_(async_key_state) {
  const bool accepted =
      guard_.set_output_mode(virtual_terminal_output_mode(guard_.saved_output_mode()));
  clear_ = choose_clear_method(accepted, guard_.output_mode());
}

Windows_Console::~Windows_Console() {
  if (!frames_.empty())
    write_console(output_, frames_.take([this] { return window_size(output_); }));
}

void Windows_Console::clear_screen() {
  if (clear_ == Clear_Method::Escape_Codes) {
    if (!cleared_before_) {
      cleared_before_ = true;
      frames_.write(Clear_Sequence);
      return;
    }
    frames_.start_frame(false);
    return;
  }
  // The console API acts at once, so what was written before the clear goes first.
  flush();
  clear_with_console_api(output_);
}

std::int32_t Windows_Console::read_number() {
  flush();
  guard_.set_input_mode(typing_input_mode(guard_.saved_input_mode()));
  return read_number_from(typed_);
}

std::string Windows_Console::read_word() {
  flush();
  guard_.set_input_mode(typing_input_mode(guard_.saved_input_mode()));
  return read_word_from(typed_);
}

void Windows_Console::wait_for_key() {
  flush();
  guard_.set_input_mode(key_wait_input_mode(guard_.saved_input_mode()));
  keys_.wait_begins();
  // ReadConsoleInputW blocks until the console has an input event; key releases, mouse and
  // window events and lone modifier keys are passed over.
  for (;;) {
    INPUT_RECORD event{};
    DWORD got = 0;
    if (ReadConsoleInputW(input_, &event, 1, &got) == 0) throw End_Of_Input();
    if (got == 0 || event.EventType != KEY_EVENT) continue;
    const KEY_EVENT_RECORD& key = event.Event.KeyEvent;
    if (key.bKeyDown != 0 && ends_key_wait(key.wVirtualKeyCode)) {
      keys_.wait_ended_by(key.wVirtualKeyCode);
      return;
    }
  }
}

std::int64_t Windows_Console::now_seconds() {
  return wall_clock_seconds();
}

void Windows_Console::sleep_until(std::int64_t target) {
  flush();
  sleep_until_second(target);
}

void Windows_Console::flush() {
  if (frames_.empty()) return;
  const std::string chunk = frames_.take([this] { return window_size(output_); });
  if (!write_console(output_, chunk)) throw End_Of_Input();  // the console window is gone
}

}  // namespace fm
