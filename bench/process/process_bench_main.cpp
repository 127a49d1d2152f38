// process_bench: runs the game and the literal baseline as whole processes on the same scripts
// and prints, for each, the CPU time and write calls per frame, the CPU used during a 4-second
// wait, the time from start to the menu, the peak resident memory and how soon Esc is recognised
// on a terminal; then the ratio of the two.
//
//   process_bench <game> <baseline> <floor> [keys] [baseline_keys] [runs] [baseline_runs]
//
// <floor> is a program that only prints the menu's prompt: its start-up is the least any
// program takes here.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "process/child.h"
#include "process/scripts.h"

namespace fm::bench {
namespace {

using std::chrono::milliseconds;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Program {
  std::string name;
  std::string path;
  int keys;  // key presses in its walking script
  int runs;  // runs of each measurement, of which the median counts
};

struct Figures {
  double cpu_per_frame_us = 0;
  double peak_resident_mib = 0;
  std::optional<double> writes_per_frame;
  double wait_cpu_percent = 0;
  double start_to_menu_ms = 0;
  std::optional<double> esc_ms;  // empty: not recognised within the time allowed
};

class Bench_Folder {
 public:
  Bench_Folder() {
    std::string name = (std::filesystem::temp_directory_path() / "farrowmede-run-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = name;
  }
  ~Bench_Folder() { std::filesystem::remove_all(path_); }
  const std::string& path() const { return path_; }
  std::string write(const std::string& name, const std::string& text) const {
    const std::string file = path_ + "/" + name;
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }

 private:
  std::string path_;
};

void walk(const Program& program, const Bench_Folder& folder, int runs, Figures& figures) {
  const std::string script = folder.write(program.name + ".keys", walking_script(program.keys));
  const double frames = program.keys + 1;
  std::vector<double> cpu;
  std::vector<double> memory;
  for (int run = 0; run < runs; ++run) {
    const Child_Usage usage = run_with_input_file({program.path}, script, folder.path());
    if (usage.status != 0) throw std::runtime_error(program.name + " failed on the walk");
    cpu.push_back(usage.cpu_seconds / frames * 1e6);
    memory.push_back(static_cast<double>(usage.peak_resident_kib) / 1024);
  }
  figures.cpu_per_frame_us = median(cpu);
  figures.peak_resident_mib = median(memory);
}

// The screen as a player would read it: the text between clears, whichever way a clear was
// written (`clear` also erases the scrollback, with ESC [ 3 J).
std::string screens(std::string output) {
  for (std::size_t at = output.find("\x1b[3J"); at != std::string::npos;
       at = output.find("\x1b[3J", at)) {
    output.erase(at, 4);
  }
  return output;
}

// The comparison is fair only if both programs draw the same frames: checked on a short walk.
void check_same_frames(const std::string& game, const std::string& baseline) {
  Bench_Folder folder;
  const std::string script = folder.write("short.keys", walking_script(2500));
  if (screens(output_of({game}, script, folder.path())) !=
      screens(output_of({baseline}, script, folder.path()))) {
    throw std::runtime_error("the baseline does not draw the same frames as the game");
  }
}

// Counts the write calls of the walking run with strace, children included.
void count_writes(const Program& program, const Bench_Folder& folder, Figures& figures) {
  const std::string script = folder.path() + "/" + program.name + ".keys";
  const std::string report = folder.path() + "/" + program.name + ".strace";
  const Child_Usage usage =
      run_with_input_file({"strace", "-f", "-c", "-e", "trace=write", "-o", report, program.path},
                          script, folder.path());
  if (usage.status != 0) return;
  std::ifstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::vector<std::string> columns;
    for (std::string word; words >> word;) columns.push_back(word);
    if (columns.size() >= 5 && columns.back() == "write") {
      figures.writes_per_frame = std::stod(columns[3]) / (program.keys + 1);
    }
  }
}

void start_to_menu(const Program& program, const Bench_Folder& folder, int runs, Figures& figures) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const Clock::time_point start = Clock::now();
    Live_Child child({program.path}, folder.path(), Live_Child::Link::Pipes);
    if (!child.read_until("Make your choice: ", milliseconds(5000))) {
      throw std::runtime_error(program.name + " never showed the menu");
    }
    times.push_back(seconds_since(start) * 1e3);
    child.finish(milliseconds(2000));
  }
  figures.start_to_menu_ms = median(times);
}

// The CPU time a mining action uses while it waits for its ore: from the moment the choice of
// Blurite is asked for until the ore is given.
void wait_cpu(const Program& program, int runs, Figures& figures) {
  const Mining_Setup setup = blurite_mining();
  std::vector<double> shares;
  for (int run = 0; run < runs; ++run) {
    Bench_Folder folder;
    folder.write("Save.txt", setup.save_text);
    Live_Child child({program.path}, folder.path(), Live_Child::Link::Pipes);
    child.send(setup.script);
    if (!child.read_until("Any key to mine nothing", milliseconds(5000))) {
      throw std::runtime_error(program.name + " never offered the ores");
    }
    const std::int64_t cpu_before = child.cpu_nanoseconds();
    const Clock::time_point start = Clock::now();
    if (!child.read_until("You mine some Blurite.", milliseconds(10000))) {
      throw std::runtime_error(program.name + " never gave the Blurite");
    }
    const double waited = seconds_since(start);
    const double used = static_cast<double>(child.cpu_nanoseconds() - cpu_before) / 1e9;
    shares.push_back(used / waited * 100);
    child.send(setup.after);
    child.finish(milliseconds(5000));
  }
  figures.wait_cpu_percent = median(shares);
}

// On a pseudo-terminal: the time from a lone Esc key press to the save question on the screen.
void esc_latency(const Program& program, const Bench_Folder& folder, int runs, Figures& figures) {
  constexpr milliseconds Allowed{1000};
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    Live_Child child({program.path}, folder.path(), Live_Child::Link::Terminal);
    const bool playing =
        child.read_until("Make your choice: ", milliseconds(5000)) &&
        (child.send("1\n"), child.read_until("name?", milliseconds(5000))) &&
        (child.send("Bench\n"), child.read_until("2 = no)", milliseconds(5000))) &&
        (child.send("2\n"), child.read_until("Tab for actions", milliseconds(5000)));
    if (!playing) throw std::runtime_error(program.name + " did not start a game on a terminal");
    std::this_thread::sleep_for(milliseconds(30));  // the frame is out; the key wait has begun
    const Clock::time_point pressed = Clock::now();
    child.send("\x1b");
    if (!child.read_until("Would you like to save the game?", Allowed)) return;
    times.push_back(seconds_since(pressed) * 1e3);
    child.send("2\n");
    child.finish(milliseconds(2000));
  }
  figures.esc_ms = median(times);
}

Figures measure(const Program& program) {
  const int runs = program.runs;
  Bench_Folder folder;
  Figures figures;
  const auto step = [&](const char* what, auto&& measurement) {
    const Clock::time_point start = Clock::now();
    measurement();
    std::fprintf(stderr, "  %s: %s took %.1f s\n", program.name.c_str(), what,
                 seconds_since(start));
  };
  step("the walk", [&] { walk(program, folder, runs, figures); });
  step("counting writes", [&] { count_writes(program, folder, figures); });
  step("start-up", [&] { start_to_menu(program, folder, 4 * runs + 1, figures); });
  step("the wait", [&] { wait_cpu(program, std::min(runs, 3), figures); });
  step("Esc", [&] { esc_latency(program, folder, 2 * runs, figures); });
  return figures;
}

std::string number(std::optional<double> value, const char* format) {
  if (!value) return "n/a";
  char text[32];
  std::snprintf(text, sizeof text, format, *value);
  return text;
}

std::string ratio(std::optional<double> ours, std::optional<double> theirs) {
  if (!ours || !theirs || *ours <= 0) return "n/a";
  const double times = *theirs / *ours;
  return number(times, times < 10 ? "%.1fx" : "%.0fx");
}

void print_row(const char* figure, const char* goal, std::optional<double> ours,
               std::optional<double> theirs, const char* format) {
  std::printf("%-38s %-10s %12s %12s %10s\n", figure, goal, number(ours, format).c_str(),
              number(theirs, format).c_str(), ratio(ours, theirs).c_str());
}

}  // namespace
}  // namespace fm::bench

int main(int argc, char** argv) {
  using namespace fm::bench;
  if (argc < 4) {
    std::fprintf(
        stderr,
        "usage: %s <game> <baseline> <floor> [keys] [baseline_keys] [runs] [baseline_runs]\n",
        argv[0]);
    return 2;
  }
  const int keys = argc > 4 ? std::atoi(argv[4]) : 20000;
  const int baseline_keys = argc > 5 ? std::atoi(argv[5]) : 500;
  const int runs = argc > 6 ? std::atoi(argv[6]) : 5;
  const int baseline_runs = argc > 7 ? std::atoi(argv[7]) : 3;
  try {
    // The children run in folders of their own, so the programs are named by absolute paths.
    const std::string game = std::filesystem::absolute(argv[1]).string();
    const std::string baseline = std::filesystem::absolute(argv[2]).string();
    check_same_frames(game, baseline);
    const Figures ours = measure({"farrowmede", game, keys, runs});
    const Figures theirs = measure({"literal", baseline, baseline_keys, baseline_runs});
    Figures floor;
    {
      Bench_Folder folder;
      start_to_menu({"floor", std::filesystem::absolute(argv[3]).string(), 0, runs}, folder,
                    4 * runs + 1, floor);
    }
    std::printf(
        "\nwhole process: farrowmede on %d key presses, the literal baseline on %d "
        "(its figures per frame scale up); medians of %d and %d runs\n\n",
        keys, baseline_keys, runs, baseline_runs);
    std::printf("%-38s %-10s %12s %12s %10s\n", "figure", "goal", "farrowmede", "literal", "ratio");
    print_row("CPU time per frame (us)", "<= 3", ours.cpu_per_frame_us, theirs.cpu_per_frame_us,
              "%.2f");
    print_row("write calls per frame", "1", ours.writes_per_frame, theirs.writes_per_frame, "%.3f");
    print_row("CPU during a 4 s wait (% of the wait)", "< 1", ours.wait_cpu_percent,
              theirs.wait_cpu_percent, "%.3f");
    print_row("start to menu on the screen (ms)", "<= 5", ours.start_to_menu_ms,
              theirs.start_to_menu_ms, "%.2f");
    std::printf("  (the floor here, a program that only prints the prompt: %.2f ms)\n",
                floor.start_to_menu_ms);
    print_row("peak resident memory (MiB)", "<= 4", ours.peak_resident_mib,
              theirs.peak_resident_mib, "%.2f");
    print_row("Esc recognised after (ms)", "<= 25", ours.esc_ms, theirs.esc_ms, "%.1f");
    if (!theirs.esc_ms) {
      std::printf(
          "  (the literal baseline reads keys as bytes with no timeout: a lone Esc is "
          "recognised only when the next byte arrives; none came within 1000 ms)\n");
    }
    if (!ours.writes_per_frame) std::printf("  (write calls: strace is not installed)\n");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "process_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
