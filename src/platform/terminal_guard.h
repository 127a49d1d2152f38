// Leaves the terminal as it was found. The settings are saved once, before the first change;
// every change (a new input mode, the alternate screen) registers its undo here before it is
// made; the undo runs when the guard ends (normal exit, end of input), from the handlers of
// SIGINT, SIGTERM and SIGHUP (which then end the program with the signal's usual status), and
// around a stop: SIGTSTP undoes everything and stops, SIGCONT puts back the mode and screen
// that were active. Only one guard exists at a time.
#pragma once

#include <termios.h>

#include <csignal>

namespace fm {

class Terminal_Guard {
 public:
  // Raw: for key waits (no echo, no line editing, signals still on). Line: for typed answers (the
  // saved settings, with echo and line editing on).
  enum class Mode { Raw = 0, Line = 1 };

  // Saves the settings of the terminal on `in_fd` and installs the signal handlers. Throws
  // std::system_error when `in_fd` is not a terminal.
  Terminal_Guard(int in_fd, int out_fd);
  // Undoes every change and puts back the signal handlers that were there before.
  ~Terminal_Guard();

  Terminal_Guard(const Terminal_Guard&) = delete;
  Terminal_Guard& operator=(const Terminal_Guard&) = delete;

  // Puts the terminal into `mode` (nothing happens when it is in force already).
  void set_mode(Mode mode);
  // Registers the leaving of the alternate screen; call it before the enter sequence is sent.
  void entering_alternate_screen();
  bool on_alternate_screen() const;

  // The sequences that enter and leave the alternate screen.
  static constexpr char Enter_Alternate_Screen[] = "\x1b[?1049h";
  static constexpr char Leave_Alternate_Screen[] = "\x1b[?1049l";

 private:
  struct sigaction previous_[5] = {};
  bool installed_[5] = {};
};

}  // namespace fm
