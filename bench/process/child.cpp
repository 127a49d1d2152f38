#include "process/child.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fm::bench {

namespace {

[[noreturn]] void exec_in(const std::vector<std::string>& argv, const std::string& folder) {
  if (::chdir(folder.c_str()) != 0) _exit(126);
  // The literal baseline runs `clear`, which needs to know the terminal type even on a pipe.
  ::setenv("TERM", "xterm-256color", 0);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  ::execvp(args[0], args.data());
  _exit(127);
}

Child_Usage wait_for(pid_t pid) {
  Child_Usage usage;
  rusage used{};
  while (::wait4(pid, &usage.status, 0, &used) < 0) {
    if (errno != EINTR) throw std::runtime_error("wait4 failed");
  }
  usage.cpu_seconds = static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) +
                      static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
  usage.peak_resident_kib = used.ru_maxrss;
  return usage;
}

}  // namespace

namespace {

// Starts `argv` in `folder` with standard input from `input_file` and output to `output_file`.
pid_t start_with_files(const std::vector<std::string>& argv, const std::string& input_file,
                       const std::string& output_file, const std::string& folder) {
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = ::open(input_file.c_str(), O_RDONLY);
    const int out = ::open(output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0) _exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    exec_in(argv, folder);
  }
  return pid;
}

}  // namespace

Child_Usage run_with_input_file(const std::vector<std::string>& argv, const std::string& input_file,
                                const std::string& folder) {
  return wait_for(start_with_files(argv, input_file, "/dev/null", folder));
}

std::string output_of(const std::vector<std::string>& argv, const std::string& input_file,
                      const std::string& folder) {
  const std::string output_file = folder + "/output.txt";
  wait_for(start_with_files(argv, input_file, output_file, folder));
  std::ifstream file(output_file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Live_Child::Live_Child(const std::vector<std::string>& argv, const std::string& folder, Link link) {
  if (link == Link::Terminal) {
    winsize size{};
    size.ws_row = 60;
    size.ws_col = 100;
    int master = -1;
    pid_ = ::forkpty(&master, nullptr, nullptr, &size);
    if (pid_ < 0) throw std::runtime_error("forkpty failed");
    if (pid_ == 0) exec_in(argv, folder);
    to_child_ = master;
    from_child_ = ::dup(master);
    return;
  }
  int in[2];
  int out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    exec_in(argv, folder);
  }
  ::close(in[0]);
  ::close(out[1]);
  to_child_ = in[1];
  from_child_ = out[0];
}

Live_Child::~Live_Child() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (to_child_ >= 0) ::close(to_child_);
  if (from_child_ >= 0) ::close(from_child_);
}

void Live_Child::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(to_child_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw std::runtime_error("the child does not take input");
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

bool Live_Child::read_until(std::string_view text, std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    const std::size_t at = seen_.find(text);
    if (at != std::string::npos) {
      seen_.erase(0, at + text.size());
      return true;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd p{from_child_, POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    char bytes[65536];
    const ssize_t got = ::read(from_child_, bytes, sizeof bytes);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    seen_.append(bytes, static_cast<std::size_t>(got));
  }
}

std::int64_t Live_Child::cpu_nanoseconds() const {
  std::ifstream stat("/proc/" + std::to_string(pid_) + "/schedstat");
  std::int64_t ran = 0;
  stat >> ran;
  return ran;
}

Child_Usage Live_Child::finish(std::chrono::milliseconds timeout) {
  ::close(to_child_);
  to_child_ = -1;
  // Drain the output so the child never blocks on a full pipe while it ends.
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
        info.si_pid == pid_) {
      break;
    }
    if (Clock::now() >= deadline) {
      ::kill(pid_, SIGKILL);
      break;
    }
    pollfd p{from_child_, POLLIN, 0};
    if (::poll(&p, 1, 10) > 0) {
      char bytes[65536];
      if (::read(from_child_, bytes, sizeof bytes) <= 0) {
        ::poll(nullptr, 0, 1);
      }
    }
  }
  const Child_Usage usage = wait_for(pid_);
  pid_ = -1;
  return usage;
}

}  // namespace fm::bench
