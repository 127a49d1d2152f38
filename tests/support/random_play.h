// Random play: the real game driven through a console that presses random keys and types random
// answers, with a fake clock, checking the game state's invariants after every pass of the main
// loop. Seeded, so a failing run can be replayed from its seed.
#pragma once

#include <cstdint>
#include <string>

namespace fm::testing {

struct Random_Play_Result {
  std::uint64_t passes = 0;  // main-loop passes checked
  std::uint64_t games = 0;   // games started from the start menu
  std::string failure;       // empty when every invariant held; otherwise what broke, and where
};

// Plays games from the start menu until `passes` main-loop passes have been checked, or an
// invariant breaks. Runs in the current working directory, where the games save and load
// "Save.txt".
Random_Play_Result Random_Play(std::uint64_t seed, std::uint64_t passes);

}  // namespace fm::testing
