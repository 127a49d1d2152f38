// Runs the real game executable for end-to-end tests: through plain pipes, or on a
// pseudo-terminal under a small job-control parent, each run in a temporary folder of its own
// (the game reads and writes ./Save.txt there). Every wait has a deadline, so a game that hangs
// fails its test instead of the whole run.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fm::e2e {

// A fresh empty folder, removed with everything in it at the end.
class Temp_Dir {
 public:
  Temp_Dir();
  ~Temp_Dir();
  Temp_Dir(const Temp_Dir&) = delete;
  Temp_Dir& operator=(const Temp_Dir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The game executable named by FARROWMEDE_EXE.
std::string game_executable();

// How a run ended, as waitpid reports it; empty when it did not end before the deadline.
using Wait_Status = std::optional<int>;
std::string describe(const Wait_Status& status);

struct Stream_Run {
  Wait_Status status;
  std::string output;
};

// Runs the game with `input` on a pipe (closed after it) and its output on another.
Stream_Run run_through_pipes(const Temp_Dir& dir, std::string_view input, double seconds = 10);

// The game on a pseudo-terminal. Between the test and the game sits a small parent that plays
// the shell's part: the game runs in a foreground process group of its own whose parent is in
// the same session, so Ctrl-Z really stops it; the parent reports stops, resumes and the end.
class Pty_Game {
 public:
  explicit Pty_Game(const Temp_Dir& dir, unsigned short rows = 24, unsigned short columns = 80);
  // Kills the game if it still runs.
  ~Pty_Game();
  Pty_Game(const Pty_Game&) = delete;
  Pty_Game& operator=(const Pty_Game&) = delete;

  pid_t pid() const { return game_; }
  // Types `bytes` on the terminal.
  void send(std::string_view bytes);
  // Waits until `text` appears in the output after the mark; moves the mark past it.
  bool wait_for(std::string_view text, double seconds = 5);
  // Everything shown so far, and the output from the mark on.
  const std::string& output() const { return output_; }
  void mark() { mark_ = output_.size(); }
  // Waits for the game to end (then reads what it left to show).
  Wait_Status wait_exit(double seconds = 5);
  bool wait_stopped(double seconds = 5);
  bool wait_continued(double seconds = 5);
  // The terminal settings as they are now, and as they were before the game started.
  termios settings() const;
  const termios& settings_before() const { return before_; }
  // Waits until the settings satisfy `test`.
  template <typename Test>
  bool wait_for_settings(Test test, double seconds = 5) {
    for (int i = 0; i < static_cast<int>(seconds * 100); ++i) {
      if (test(settings())) return true;
      pump(0.01);
    }
    return test(settings());
  }
  // Closes the terminal's master side: the game's terminal hangs up.
  void hang_up();

 private:
  // Reads output and reports for up to `seconds`.
  void pump(double seconds);
  bool wait_report(char kind, double seconds);

  int master_ = -1;
  int held_slave_ = -1;  // keeps the terminal alive after the game, to read its settings
  int reports_ = -1;
  pid_t parent_ = -1;
  pid_t game_ = -1;
  termios before_{};
  std::string output_;
  std::size_t mark_ = 0;
  std::string report_text_;
  std::string events_;  // S (stopped), C (continued), X (ended), in order, not yet waited for
  Wait_Status exit_status_;
};

// The settings fields that matter; empty when equal, else what differs.
std::string settings_difference(const termios& a, const termios& b);

}  // namespace fm::e2e
