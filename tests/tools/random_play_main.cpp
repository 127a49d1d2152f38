// Long random-play runs from the command line:
//   random_play [passes] [seed]
// Plays in the current folder (it writes Save.txt there) and prints the seed, the number of
// passes checked and the first broken invariant, if any. Exit status 1 when one broke.
#include <cstdio>
#include <cstdlib>

#include "support/random_play.h"

int main(int argc, char** argv) {
  const std::uint64_t passes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const fm::testing::Random_Play_Result result = fm::testing::Random_Play(seed, passes);
  std::printf("seed %llu: %llu passes in %llu games\n", static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(result.passes),
              static_cast<unsigned long long>(result.games));
  if (!result.failure.empty()) {
    std::printf("invariant broken: %s\n", result.failure.c_str());
    return 1;
  }
  return 0;
}
