// The consoles and set-up that the in-process benchmarks share: a console that does nothing, one
// that walks Right and Left for as long as a benchmark runs, and one that keeps the first frame.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/console.h"

namespace fm::bench {

// Reads nothing, prints nowhere, never waits.
class Quiet_Console : public Console {
 public:
  void clear_screen() override {}
  void write(std::string_view) override {}
  std::int32_t read_number() override { return 0; }
  std::string read_word() override { return {}; }
  void wait_for_key() override {}
  bool was_pressed(Key) override { return false; }
  std::int64_t now_seconds() override { return 0; }
  void sleep_until(std::int64_t) override {}
  void flush() override {}
};

// Presses Right, Left, Right... while the benchmark runs, then ends the input. The output is
// counted and, when a `sink` console is given, sent through it: it flushes before each key wait,
// as the real consoles do.
class Walking_Console final : public Quiet_Console {
 public:
  explicit Walking_Console(benchmark::State& state, Console* sink = nullptr)
      : state_(state), sink_(sink) {}
  void clear_screen() override {
    if (sink_) sink_->clear_screen();
  }
  void write(std::string_view text) override {
    bytes_ += text.size();
    if (sink_) sink_->write(text);
  }
  void wait_for_key() override {
    flush();
    if (!state_.KeepRunning()) throw End_Of_Input();
    right_ = !right_;
  }
  bool was_pressed(Key key) override { return key == (right_ ? Key::Right : Key::Left); }
  void flush() override {
    if (sink_) sink_->flush();
  }
  std::size_t bytes() const { return bytes_; }

 private:
  benchmark::State& state_;
  Console* sink_;
  bool right_ = false;
  std::size_t bytes_ = 0;
};

// A new game in `area`, a few items carried so the inventory panel has lines to show, the
// panels shown or hidden, and the main loop marked as started.
void Start_Walking(bool panels_shown, std::int32_t area);

// Runs the main loop on `con` until its input ends.
void Run_Loop(Console& con);

// The text of the first frame the main loop draws in a game set up by Start_Walking.
std::string First_Frame(bool panels_shown, std::int32_t area);

}  // namespace fm::bench
