// Running a game executable as a child process for the whole-process measurements: with a
// script file, a pipe or a pseudo-terminal as its input, and reading what it prints.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fm::bench {

using Clock = std::chrono::steady_clock;

// How a child ended and what it used.
struct Child_Usage {
  int status = 0;
  double cpu_seconds = 0;  // user + system, its own waited-for children included
  long peak_resident_kib = 0;
};

// Runs `argv` with standard input from `input_file`, output to /dev/null, in `folder`, and waits.
Child_Usage run_with_input_file(const std::vector<std::string>& argv, const std::string& input_file,
                                const std::string& folder);

// As run_with_input_file, but returns what the child printed.
std::string output_of(const std::vector<std::string>& argv, const std::string& input_file,
                      const std::string& folder);

// A child whose input and output are pipes (or one pseudo-terminal) held by this process.
class Live_Child {
 public:
  enum class Link { Pipes, Terminal };
  Live_Child(const std::vector<std::string>& argv, const std::string& folder, Link link);
  ~Live_Child();
  Live_Child(const Live_Child&) = delete;
  Live_Child& operator=(const Live_Child&) = delete;

  void send(std::string_view bytes);
  // Reads output until `text` has appeared since the last match (true), or `timeout` passed
  // or the output ended (false).
  bool read_until(std::string_view text, std::chrono::milliseconds timeout);
  // Nanoseconds the child has run on a processor so far (from /proc/<pid>/schedstat).
  std::int64_t cpu_nanoseconds() const;
  // Closes its input and waits for it to end (killing it after `timeout`).
  Child_Usage finish(std::chrono::milliseconds timeout);

 private:
  pid_t pid_ = -1;
  int to_child_ = -1;
  int from_child_ = -1;
  std::string seen_;
};

}  // namespace fm::bench
