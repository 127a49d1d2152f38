#include "support/random_play.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_folder.h"

namespace fm::testing {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint64_t Passes_Per_Seed = 40'000;
#else
constexpr std::uint64_t Passes_Per_Seed = 250'000;
#endif

// Random play from a few fixed seeds, and from FARROWMEDE_SEED when it is set (to replay one).
TEST(Random_Play, EveryPassKeepsTheInvariants) {
  std::vector<std::uint64_t> seeds = {1, 2, 3, 20261211};
  if (const char* chosen = std::getenv("FARROWMEDE_SEED"))
    seeds = {std::strtoull(chosen, nullptr, 10)};
  for (std::uint64_t seed : seeds) {
    Temp_Folder folder;
    const Random_Play_Result result = Random_Play(seed, Passes_Per_Seed);
    EXPECT_EQ(result.failure, "") << "replay with FARROWMEDE_SEED=" << seed;
    EXPECT_EQ(result.passes, Passes_Per_Seed) << "seed " << seed;
    EXPECT_GT(result.games, 1u) << "seed " << seed;
  }
}

}  // namespace
}  // namespace fm::testing
