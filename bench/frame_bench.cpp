// The cost of one frame as the player gets it: the main loop builds the frame, the stream
// console sends it in one write to a sink that discards it (/dev/null), and the player takes a
// step. With the panels hidden and with all three shown. A second benchmark measures what a
// terminal adds: laying the frame out to overwrite the last one in place.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "bench_consoles.h"
#include "platform/frame_layout.h"
#include "platform/stream_console.h"

namespace fm {
namespace {

// The frames are drawn in the first area, where walking Right and Left keeps to open ground.
constexpr std::int32_t Area = 1;

// Sends every frame through a real Stream_Console to /dev/null; only the keys are made up.
void Walk(benchmark::State& state, bool panels_shown) {
  const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (sink < 0) {
    state.SkipWithError("cannot open /dev/null");
    return;
  }
  const double frame_bytes = static_cast<double>(bench::First_Frame(panels_shown, Area).size());
  bench::Start_Walking(panels_shown, Area);
  Stream_Console real(sink, sink);
  bench::Walking_Console con(state, &real);
  bench::Run_Loop(con);
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
  const std::string frame = bench::First_Frame(true, Area);
  for (auto _ : state) benchmark::DoNotOptimize(::write(sink, frame.data(), frame.size()));
  ::close(sink);
  state.counters["frame_bytes"] = static_cast<double>(frame.size());
}
BENCHMARK(Frame_Write_Floor);

// What the terminal console adds to a frame: cursor home, an erase to the end of every line and
// an erase below, so the frame overwrites the last one without a blank flash.
void Terminal_Frame_Layout(benchmark::State& state) {
  const std::string frame = bench::First_Frame(true, Area);
  for (auto _ : state) benchmark::DoNotOptimize(lay_out_frame(frame, Screen_Size{50, 80}));
  state.counters["frame_bytes"] = static_cast<double>(frame.size());
}
BENCHMARK(Terminal_Frame_Layout);

}  // namespace
}  // namespace fm
