// Benchmarks: build with the "bench" preset and run build/bench/bench/farrowmede_bench.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_consoles.h"
#include "core/game_state.h"
#include "platform/console.h"
#include "save/save_file.h"

namespace fm {
namespace {

// One pass of the main loop with every panel shown: draw the frame, take a step.
void Main_Loop_Pass(benchmark::State& state) {
  bench::Start_Walking(true, 34);
  bench::Walking_Console con(state);
  bench::Run_Loop(con);
  state.SetBytesProcessed(static_cast<std::int64_t>(con.bytes()));
}
BENCHMARK(Main_Loop_Pass);

Game_State Busy_Game() {
  Game_State game;
  std::copy_n("Benchmarker", 12, game.Player_Name.data());
  for (int item = 0; item < Item_Count; ++item) {
    game.Inventory[static_cast<std::size_t>(item)] = item * 1000;
    game.B[static_cast<std::size_t>(item)] = -item * 100000;
  }
  return game;
}

void Save_Text(benchmark::State& state) {
  const Game_State game = Busy_Game();
  for (auto _ : state) benchmark::DoNotOptimize(save_text(game));
}
BENCHMARK(Save_Text);

void Load_Text(benchmark::State& state) {
  const std::string text = save_text(Busy_Game());
  for (auto _ : state) {
    Game_State game;
    load_text(text, game);
    benchmark::DoNotOptimize(game);
  }
}
BENCHMARK(Load_Text);

// One durable save: temporary file, fsync, rename, fsync of the folder. Runs in a fresh
// folder under FARROWMEDE_BENCH_DIR (default: the system's temporary folder).
void Save_To_Disk(benchmark::State& state) {
  const char* base = std::getenv("FARROWMEDE_BENCH_DIR");
  std::string folder =
      (std::filesystem::path(base ? base : std::filesystem::temp_directory_path().c_str()) /
       "farrowmede-bench-XXXXXX")
          .string();
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  reset_game_state();
  Game = Busy_Game();
  bench::Quiet_Console quiet;
  install_console(&quiet);
  for (auto _ : state) Save();
  install_console(nullptr);
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
}
BENCHMARK(Save_To_Disk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fm

BENCHMARK_MAIN();
