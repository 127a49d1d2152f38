// A save killed at any moment leaves a whole save behind: a child process saves two games in
// turn, again and again, and is killed at random moments; after each kill "Save.txt" must load as
// exactly one of the two games.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <thread>

#include "sample_games.h"
#include "save/save_file.h"
#include "save_folder_test.h"

namespace fm {
namespace {

using testing::distinct_game;

// The seed of the kill moments: FARROWMEDE_SEED replays a failed run.
std::uint32_t crash_seed() {
  if (const char* given = std::getenv("FARROWMEDE_SEED")) {
    return static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10));
  }
  return std::random_device{}();
}

class Crash_Safety_Test : public testing::Save_Folder_Test {};

TEST_F(Crash_Safety_Test, KilledSavesLeaveOneWholeGame) {
  const std::uint32_t seed = crash_seed();
  std::cout << "crash test seed: " << seed << " (replay with FARROWMEDE_SEED=" << seed << ")\n";
  RecordProperty("seed", std::to_string(seed));
  std::mt19937 rng(seed);

  // Two games that differ in every line, the name's length included.
  const Game_State first = distinct_game("First", 1);
  const Game_State second = distinct_game("SecondGameName", 2);
  Game = first;
  Save();

  // How long one save takes here, so the kill moments spread over several saves.
  const auto start = std::chrono::steady_clock::now();
  constexpr int Timed_Saves = 20;
  for (int n = 0; n < Timed_Saves; ++n) Save();
  const auto one_save =
      std::max<std::int64_t>(1, std::chrono::duration_cast<std::chrono::microseconds>(
                                    std::chrono::steady_clock::now() - start)
                                        .count() /
                                    Timed_Saves);
  std::uniform_int_distribution<std::int64_t> delay(0, one_save * 4);

  constexpr int Kills = 150;
  int seen_first = 0;
  int seen_second = 0;
  for (int kill = 0; kill < Kills; ++kill) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      close(ready[0]);
      for (bool started = false;; started = true) {
        Game = first;
        Save();
        Game = second;
        Save();
        if (!started && write(ready[1], "r", 1) != 1) _exit(1);
      }
    }
    close(ready[1]);
    char byte = 0;
    // Kill only once the child is saving in earnest (past its start-up).
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(rng)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself, kill " << kill;

    const std::string text = read_file("Save.txt");
    reset_game_state();
    Load();
    if (Game == first) {
      ++seen_first;
      EXPECT_EQ(text, save_text(first));
    } else if (Game == second) {
      ++seen_second;
      EXPECT_EQ(text, save_text(second));
    } else {
      FAIL() << "kill " << kill << " (seed " << seed << ") left a save of neither game:\n" << text;
    }
  }
  std::cout << "one save took about " << one_save << " us; the file held the first game "
            << seen_first << " times and the second " << seen_second << " times\n";
  EXPECT_EQ(con.output(), "") << "no save may fail";
}

}  // namespace
}  // namespace fm
