#include "platform/terminal_console.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/text_input.h"
#include "platform/wall_clock.h"

namespace fm {

namespace {

using Steady = std::chrono::steady_clock;

Screen_Size screen_size(int fd) {
  winsize size{};
  if (ioctl(fd, TIOCGWINSZ, &size) != 0 || size.ws_row == 0 || size.ws_col == 0) return {};
  return Screen_Size{size.ws_row, size.ws_col};
}

// Waits up to `timeout` (forever when negative) for input. False on a timeout.
bool wait_for_input(int fd, std::chrono::milliseconds timeout) {
  const Steady::time_point deadline = Steady::now() + timeout;
  for (;;) {
    int wait_ms = -1;
    if (timeout.count() >= 0) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Steady::now());
      wait_ms = left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, wait_ms);
    if (ready > 0) return true;  // input, or a hang-up that the read will report
    if (ready == 0) return false;
    if (errno != EINTR) return true;  // let the read report the failure
  }
}

}  // namespace

Terminal_Console::Terminal_Console(int in_fd, int out_fd)
    : in_fd_(in_fd), out_fd_(out_fd), guard_(in_fd, out_fd), typed_(in_fd) {}

Terminal_Console::~Terminal_Console() {
  try {
    flush();
  } catch (const End_Of_Input&) {
    // The terminal has gone; there is nobody left to show the rest to.
  }
  // guard_ ends after this body: it leaves the alternate screen and puts the settings back.
}

void Terminal_Console::clear_screen() {
  // Before the first frame, unsent text is bound for the normal screen, which the alternate screen
  // leaves as it was; after it, the clear would wipe that text.
  frames_.start_frame(guard_.on_alternate_screen());
}

std::int32_t Terminal_Console::read_number() {
  guard_.set_mode(Terminal_Guard::Mode::Line);
  flush();
  return read_number_from(typed_);
}

std::string Terminal_Console::read_word() {
  guard_.set_mode(Terminal_Guard::Mode::Line);
  flush();
  return read_word_from(typed_);
}

void Terminal_Console::wait_for_key() {
  // Raw mode first, so that a key pressed the moment the frame shows is neither echoed nor lost.
  guard_.set_mode(Terminal_Guard::Mode::Raw);
  flush();
  pressed_.fill(false);
  for (const Key_Press& press : read_keys()) {
    if (press.key) pressed_[static_cast<std::size_t>(*press.key)] = true;
  }
}

std::vector<Key_Press> Terminal_Console::read_keys() {
  std::vector<Key_Press> presses;
  for (;;) {
    if (input_ended_) {
      if (presses.empty()) throw End_Of_Input();
      return presses;
    }
    // Block for the first key; after it take only what is waiting already, and give held bytes
    // of an escape sequence the rest of their time to finish.
    std::chrono::milliseconds timeout{-1};
    if (decoder_.holding()) {
      timeout = decoder_.time_left();
    } else if (!presses.empty()) {
      timeout = std::chrono::milliseconds{0};
    }
    const Steady::time_point started = Steady::now();
    if (!wait_for_input(in_fd_, timeout)) {
      if (!decoder_.holding()) return presses;
      decoder_.time_passed(std::max(
          timeout, std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - started)));
      for (const Key_Press& press : decoder_.take()) presses.push_back(press);
      continue;
    }
    char bytes[256];
    const ssize_t got = ::read(in_fd_, bytes, sizeof bytes);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got <= 0) {
      // The terminal has hung up: keys decoded before count, then the game ends.
      input_ended_ = true;
      decoder_.end_of_input();
    } else {
      decoder_.feed(std::string_view(bytes, static_cast<std::size_t>(got)));
    }
    for (const Key_Press& press : decoder_.take()) presses.push_back(press);
  }
}

std::int64_t Terminal_Console::now_seconds() {
  return wall_clock_seconds();
}

void Terminal_Console::sleep_until(std::int64_t target) {
  flush();
  sleep_until_second(target);
}

void Terminal_Console::flush() {
  if (frames_.empty()) return;
  std::string_view before_frame;
  if (frames_.frame_open() && !guard_.on_alternate_screen()) {
    guard_.entering_alternate_screen();  // the undo is registered before the screen changes
    before_frame = Terminal_Guard::Enter_Alternate_Screen;
  }
  const std::string chunk = frames_.take([this] { return screen_size(out_fd_); }, before_frame);
  if (!write_all(out_fd_, chunk)) throw End_Of_Input();
}

}  // namespace fm
