#include "game_process.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace fm::e2e {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point deadline_after(double seconds) {
  return Clock::now() +
         std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

int ms_until(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Reads what is there without blocking; false once the descriptor is at its end.
bool read_available(int fd, std::string& into) {
  char chunk[4096];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got > 0) {
      into.append(chunk, static_cast<std::size_t>(got));
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
}

// The game starts with every signal at its default and none blocked, whatever the test runner
// left set.
void reset_signals() {
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT, SIGPIPE, SIGTTOU}) {
    signal(signal_number, SIG_DFL);
  }
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

void set_nonblocking(int fd) {
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// Reaps `pid`, killing it when it does not end by the deadline.
Wait_Status reap(pid_t pid, Clock::time_point deadline) {
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return status;
    if (done < 0 && errno != EINTR) return std::nullopt;
    if (Clock::now() >= deadline) break;
    usleep(2000);
  }
  kill(pid, SIGKILL);
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return std::nullopt;
}

}  // namespace

Temp_Dir::Temp_Dir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "farrowmede-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

Temp_Dir::~Temp_Dir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string game_executable() {
  const char* exe = std::getenv("FARROWMEDE_EXE");
  return exe != nullptr ? exe : "";
}

std::string describe(const Wait_Status& status) {
  if (!status) return "did not end before the deadline";
  if (WIFEXITED(*status)) return "exited with status " + std::to_string(WEXITSTATUS(*status));
  if (WIFSIGNALED(*status)) return "killed by signal " + std::to_string(WTERMSIG(*status));
  return "wait status " + std::to_string(*status);
}

Stream_Run run_through_pipes(const Temp_Dir& dir, std::string_view input, double seconds) {
  // A game that ends before reading all of its input must not take the test down with SIGPIPE.
  signal(SIGPIPE, SIG_IGN);
  const std::string exe = game_executable();
  const std::string folder = dir.path().string();
  int to_game[2];
  int from_game[2];
  if (pipe(to_game) != 0 || pipe(from_game) != 0) throw std::runtime_error("pipe failed");
  const pid_t child = fork();
  if (child == 0) {
    dup2(to_game[0], STDIN_FILENO);
    dup2(from_game[1], STDOUT_FILENO);
    for (int fd : {to_game[0], to_game[1], from_game[0], from_game[1]}) close(fd);
    reset_signals();
    if (chdir(folder.c_str()) != 0) _exit(126);
    execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(to_game[0]);
  close(from_game[1]);
  set_nonblocking(to_game[1]);
  set_nonblocking(from_game[0]);

  Stream_Run run;
  const Clock::time_point deadline = deadline_after(seconds);
  int writing = to_game[1];
  bool reading = true;
  while (reading && Clock::now() < deadline) {
    if (writing >= 0 && input.empty()) {
      close(writing);  // the end of the input
      writing = -1;
    }
    std::vector<pollfd> wanted{{from_game[0], POLLIN, 0}};
    if (writing >= 0) wanted.push_back({writing, POLLOUT, 0});
    if (poll(wanted.data(), wanted.size(), ms_until(deadline)) < 0 && errno != EINTR) break;
    if (writing >= 0 && wanted.size() > 1 && wanted[1].revents != 0) {
      const ssize_t put = ::write(writing, input.data(), input.size());
      if (put > 0) {
        input.remove_prefix(static_cast<std::size_t>(put));
      } else if (put < 0 && errno != EAGAIN && errno != EINTR) {
        input = {};  // the game stopped reading
      }
    }
    if (wanted[0].revents != 0) reading = read_available(from_game[0], run.output);
  }
  if (writing >= 0) close(writing);
  close(from_game[0]);
  run.status = reap(child, reading ? Clock::now() : deadline_after(1.0));
  if (reading) run.status.reset();  // the output never ended: report it as a hang
  return run;
}

Pty_Game::Pty_Game(const Temp_Dir& dir, unsigned short rows, unsigned short columns) {
  const std::string exe = game_executable();
  const std::string folder = dir.path().string();
  int report_pipe[2];
  if (pipe(report_pipe) != 0) throw std::runtime_error("pipe failed");
  winsize size{};
  size.ws_row = rows;
  size.ws_col = columns;
  parent_ = forkpty(&master_, nullptr, nullptr, &size);
  if (parent_ < 0) throw std::runtime_error("forkpty failed");
  if (parent_ == 0) {
    // The job-control parent: in the terminal's session, but not in the game's process group.
    close(report_pipe[0]);
    reset_signals();
    const pid_t game = fork();
    if (game == 0) {
      close(report_pipe[1]);
      setpgid(0, 0);
      signal(SIGTTOU, SIG_IGN);
      tcsetpgrp(STDIN_FILENO, getpid());
      reset_signals();
      if (chdir(folder.c_str()) != 0) _exit(126);
      execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    setpgid(game, game);
    signal(SIGHUP, SIG_IGN);  // outlive a hang-up to report how the game ended
    char line[64];
    int length = std::snprintf(line, sizeof line, "P %d\n", static_cast<int>(game));
    if (::write(report_pipe[1], line, static_cast<std::size_t>(length)) < 0) _exit(1);
    for (;;) {
      int status = 0;
      if (waitpid(game, &status, WUNTRACED | WCONTINUED) < 0) {
        if (errno == EINTR) continue;
        _exit(1);
      }
      if (WIFSTOPPED(status)) {
        length = std::snprintf(line, sizeof line, "S\n");
      } else if (WIFCONTINUED(status)) {
        length = std::snprintf(line, sizeof line, "C\n");
      } else {
        length = std::snprintf(line, sizeof line, "X %d\n", status);
      }
      if (::write(report_pipe[1], line, static_cast<std::size_t>(length)) < 0) _exit(1);
      if (!WIFSTOPPED(status) && !WIFCONTINUED(status)) _exit(0);
    }
  }
  close(report_pipe[1]);
  reports_ = report_pipe[0];
  set_nonblocking(reports_);
  set_nonblocking(master_);
  held_slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
  // The game changes nothing before its first screen, so these are the settings it found.
  tcgetattr(held_slave_, &before_);
  const Clock::time_point deadline = deadline_after(5);
  while (game_ < 0 && Clock::now() < deadline) pump(0.01);
  if (game_ < 0) throw std::runtime_error("the game did not start");
}

Pty_Game::~Pty_Game() {
  if (!exit_status_ && game_ > 0) kill(game_, SIGKILL);
  reap(parent_, deadline_after(2));
  for (int fd : {master_, held_slave_, reports_}) {
    if (fd >= 0) close(fd);
  }
}

void Pty_Game::send(std::string_view bytes) {
  const Clock::time_point deadline = deadline_after(2);
  while (!bytes.empty() && Clock::now() < deadline) {
    const ssize_t put = ::write(master_, bytes.data(), bytes.size());
    if (put > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(put));
    } else {
      pump(0.01);
    }
  }
}

void Pty_Game::pump(double seconds) {
  std::vector<pollfd> wanted{{reports_, POLLIN, 0}};
  if (master_ >= 0) wanted.push_back({master_, POLLIN, 0});
  poll(wanted.data(), wanted.size(), static_cast<int>(seconds * 1000));
  if (master_ >= 0) read_available(master_, output_);
  read_available(reports_, report_text_);
  for (std::size_t end = report_text_.find('\n'); end != std::string::npos;
       end = report_text_.find('\n')) {
    const std::string line = report_text_.substr(0, end);
    report_text_.erase(0, end + 1);
    if (line.empty()) continue;
    if (line[0] == 'P') game_ = static_cast<pid_t>(std::atoi(line.c_str() + 2));
    if (line[0] == 'X') exit_status_ = std::atoi(line.c_str() + 2);
    if (line[0] == 'S' || line[0] == 'C' || line[0] == 'X') events_.push_back(line[0]);
  }
}

bool Pty_Game::wait_for(std::string_view text, double seconds) {
  const Clock::time_point deadline = deadline_after(seconds);
  for (;;) {
    const std::size_t at = output_.find(text, mark_);
    if (at != std::string::npos) {
      mark_ = at + text.size();
      return true;
    }
    if (Clock::now() >= deadline) return false;
    pump(0.01);
  }
}

bool Pty_Game::wait_report(char kind, double seconds) {
  const Clock::time_point deadline = deadline_after(seconds);
  for (;;) {
    const std::size_t at = events_.find(kind);
    if (at != std::string::npos) {
      events_.erase(0, at + 1);
      return true;
    }
    if (Clock::now() >= deadline) return false;
    pump(0.01);
  }
}

Wait_Status Pty_Game::wait_exit(double seconds) {
  if (!wait_report('X', seconds)) return std::nullopt;
  pump(0.05);  // what the game wrote last
  return exit_status_;
}

bool Pty_Game::wait_stopped(double seconds) {
  return wait_report('S', seconds);
}
bool Pty_Game::wait_continued(double seconds) {
  return wait_report('C', seconds);
}

termios Pty_Game::settings() const {
  termios now{};
  tcgetattr(held_slave_, &now);
  return now;
}

void Pty_Game::hang_up() {
  close(held_slave_);
  held_slave_ = -1;
  close(master_);
  master_ = -1;
}

std::string settings_difference(const termios& a, const termios& b) {
  std::string diff;
  auto field = [&diff](const char* name, tcflag_t x, tcflag_t y) {
    if (x != y) {
      char text[96];
      std::snprintf(text, sizeof text, "%s %#o != %#o; ", name, static_cast<unsigned>(x),
                    static_cast<unsigned>(y));
      diff += text;
    }
  };
  field("c_iflag", a.c_iflag, b.c_iflag);
  field("c_oflag", a.c_oflag, b.c_oflag);
  field("c_cflag", a.c_cflag, b.c_cflag);
  field("c_lflag", a.c_lflag, b.c_lflag);
  for (std::size_t i = 0; i < NCCS; ++i) {
    if (a.c_cc[i] != b.c_cc[i]) diff += "c_cc[" + std::to_string(i) + "] differs; ";
  }
  return diff;
}

}  // namespace fm::e2e
