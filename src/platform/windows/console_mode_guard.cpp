#include "platform/windows/console_mode_guard.h"

#include <atomic>
#include <system_error>

namespace fm {

namespace {

// What the control handler needs. The handler takes no context, so this record has to be
// reachable from file scope; it is the platform's only such state, owned by the one guard. The
// handler runs on a thread of its own, hence the atomics.
struct Restore_Record {
  std::atomic<HANDLE> in{nullptr};
  std::atomic<HANDLE> out{nullptr};
  std::atomic<DWORD> in_mode{0};
  std::atomic<DWORD> out_mode{0};
  std::atomic<bool> active{false};
};
Restore_Record record;

void restore_modes() {
  if (!record.active.load()) return;
  SetConsoleMode(record.in.load(), record.in_mode.load());
  SetConsoleMode(record.out.load(), record.out_mode.load());
}

BOOL WINAPI on_control_event(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      restore_modes();
      break;
    default:
      break;
  }
  // Not handled: the next handler, in the end the system's own, ends the program as it would
  // without this one, with the usual exit status.
  return FALSE;
}

DWORD mode_of(HANDLE handle, const char* what) {
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode) == 0) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
  }
  return mode;
}

}  // namespace

Console_Mode_Guard::Console_Mode_Guard(HANDLE in, HANDLE out)
    : in_(in),
      out_(out),
      saved_in_(mode_of(in, "reading the console input mode")),
      saved_out_(mode_of(out, "reading the console output mode")),
      input_now_(saved_in_) {
  record.in = in_;
  record.out = out_;
  record.in_mode = saved_in_;
  record.out_mode = saved_out_;
  record.active = true;
  SetConsoleCtrlHandler(on_control_event, TRUE);
}

Console_Mode_Guard::~Console_Mode_Guard() {
  restore_modes();
  record.active = false;
  SetConsoleCtrlHandler(on_control_event, FALSE);
}

bool Console_Mode_Guard::set_input_mode(DWORD mode) {
  if (mode == input_now_) return true;
  if (SetConsoleMode(in_, mode) == 0) return false;
  input_now_ = mode;
  return true;
}

bool Console_Mode_Guard::set_output_mode(DWORD mode) {
  return SetConsoleMode(out_, mode) != 0;
}

DWORD Console_Mode_Guard::output_mode() const {
  DWORD mode = 0;
  GetConsoleMode(out_, &mode);
  return mode;
}

}  // namespace fm
