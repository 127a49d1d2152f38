// The cost of one frame as the player gets it: the main loop builds the frame, the stream
// console sends it in one write to a sink that discards it (/dev/null), and the player takes a
// step. With the panels hidden and with all three shown. A second benchmark measures what a
// terminal adds: laying the frame out to overwrite the last one in place.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "core/game_state.h"
#include "core/main_loop.h"
#include "platform/console.h"
#include "platform/frame_layout.h"
#include "platform/stream_console.h"
#include "world/areas.h"

namespace fm {
namespace {

// Sends every frame through a real Stream_Console to /dev/null and walks Right, Left, Right...
// for as long as the benchmark runs. Only the keys are made up.
class Null_Sink_Console final : public Console {
 public:
  Null_Sink_Console(benchmark::State& state, int sink) : state_(state), real_(sink, sink) {}
  void clear_screen() override { real_.clear_screen(); }
  void write(std::string_view text) override { real_.write(text); }
  std::int32_t read_number() override { return 0; }
  std::string read_word() override { return {}; }
  void wait_for_key() override {
    real_.flush();  // the one write of the frame, as the stream console makes before a key wait
    if (!state_.KeepRunning()) throw End_Of_Input();
    right_ = !right_;
  }
  bool was_pressed(Key key) override { return key == (right_ ? Key::Right : Key::Left); }
  std::int64_t now_seconds() override { return 0; }
  void sleep_until(std::int64_t) override {}
  void flush() override { real_.flush(); }

 private:
  benchmark::State& state_;
  Stream_Console real_;
  bool right_ = false;
};

// Keeps the text written since the last screen clear; ends the loop at its first key wait.
class Frame_Capture final : public Console {
 public:
  void clear_screen() override { text_.clear(); }
  void write(std::string_view more) override { text_.append(more); }
  std::int32_t read_number() override { return 0; }
  std::string read_word() override { return {}; }
  void wait_for_key() override { throw End_Of_Input(); }
  bool was_pressed(Key) override { return false; }
  std::int64_t now_seconds() override { return 0; }
  void sleep_until(std::int64_t) override {}
  void flush() override {}
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// A new game in the first area, a few items carried so the inventory panel has lines to show.
void Start_Walking(bool panels_shown) {
  reset_game_state();
  const std::int32_t shown = panels_shown ? 1 : 0;
  Game.Show_Item = Game.Show_Skill = Game.Show_Location = shown;
  for (int item = 1; item < Item_Count; item += 3) Game.Inventory[static_cast<Item>(item)] = 1;
  Load_World(1);
  Game.Loop_Started = true;
}

void Run_Loop(Console& con) {
  install_console(&con);
  try {
    Game_Mechanics();
  } catch (const End_Of_Input&) {
  }
  install_console(nullptr);
}

// The text of the first frame that the loop draws.
std::string First_Frame(bool panels_shown) {
  Start_Walking(panels_shown);
  Frame_Capture capture;
  Run_Loop(capture);
  return capture.text();
}

void Walk(benchmark::State& state, bool panels_shown) {
  const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (sink < 0) {
    state.SkipWithError("cannot open /dev/null");
    return;
  }
  const double frame_bytes = static_cast<double>(First_Frame(panels_shown).size());
  Start_Walking(panels_shown);
  Null_Sink_Console con(state, sink);
  Run_Loop(con);
  ::close(sink);
  state.counters["frame_bytes"] = frame_bytes;
}

void Frame_Panels_Hidden(benchmark::State& state) {
  Walk(state, false);
}
BENCHMARK(Frame_Panels_Hidden);

void Frame_Panels_Shown(benchmark::State& state) {
  Walk(state, true);
}
BENCHMARK(Frame_Panels_Shown);

// The least a frame can cost here: its one write to /dev/null, with nothing built.
void Frame_Write_Floor(benchmark::State& state) {
  const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  const std::string frame = First_Frame(true);
  for (auto _ : state) benchmark::DoNotOptimize(::write(sink, frame.data(), frame.size()));
  ::close(sink);
  state.counters["frame_bytes"] = static_cast<double>(frame.size());
}
BENCHMARK(Frame_Write_Floor);

// What the terminal console adds to a frame: cursor home, an erase to the end of every line and
// an erase below, so the frame overwrites the last one without a blank flash.
void Terminal_Frame_Layout(benchmark::State& state) {
  const std::string frame = First_Frame(true);
  for (auto _ : state) benchmark::DoNotOptimize(lay_out_frame(frame, Screen_Size{50, 80}));
  state.counters["frame_bytes"] = static_cast<double>(frame.size());
}
BENCHMARK(Terminal_Frame_Layout);

}  // namespace
}  // namespace fm
