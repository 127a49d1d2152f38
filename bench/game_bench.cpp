// Benchmarks: build with the "bench" preset and run build/bench/bench/farrowmede_bench.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/game_state.h"
#include "core/main_loop.h"
#include "platform/console.h"
#include "save/save_file.h"
#include "world/areas.h"

namespace fm {
namespace {

// A console that discards output and presses Right then Left for ever, counting the bytes of
// every frame, so a pass costs only the game's own work.
class Walking_Console final : public Console {
 public:
  explicit Walking_Console(benchmark::State& state) : state_(state) {}
  void clear_screen() override {}
  void write(std::string_view text) override { bytes_ += text.size(); }
  std::int32_t read_number() override { return 0; }
  std::string read_word() override { return {}; }
  void wait_for_key() override {
    if (!state_.KeepRunning()) throw End_Of_Input();
    right_ = !right_;
  }
  bool was_pressed(Key key) override { return key == (right_ ? Key::Right : Key::Left); }
  std::int64_t now_seconds() override { return 0; }
  void sleep_until(std::int64_t) override {}
  void flush() override {}
  std::size_t bytes() const { return bytes_; }

 private:
  benchmark::State& state_;
  bool right_ = false;
  std::size_t bytes_ = 0;
};

// One pass of the main loop with every panel shown: draw the frame, take a step.
void Main_Loop_Pass(benchmark::State& state) {
  reset_game_state();
  Game.Show_Item = Game.Show_Skill = Game.Show_Location = 1;
  for (int item = 1; item < Item_Count; item += 3) Game.Inventory[static_cast<Item>(item)] = 1;
  Load_World(34);
  Game.Loop_Started = true;
  Walking_Console con(state);
  install_console(&con);
  try {
    Game_Mechanics();
  } catch (const End_Of_Input&) {
  }
  install_console(nullptr);
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
  struct Quiet final : Console {
    void clear_screen() override {}
    void write(std::string_view) override {}
    std::int32_t read_number() override { return 0; }
    std::string read_word() override { return {}; }
    void wait_for_key() override {}
    bool was_pressed(Key) override { return false; }
    std::int64_t now_seconds() override { return 0; }
    void sleep_until(std::int64_t) override {}
    void flush() override {}
  } quiet;
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
