// The monster encounter: the monster drawn from the clock's second, the exact exchange, its
// waits, and that it changes nothing in the game.
#include "world/monsters.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/game_state.h"
#include "platform/random.h"
#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;
using testing::Scripted_Console;

const std::string Announcements[] = {
    "A Rat has emerged.",
    "A Spider has emerged.",
    "A Snake has emerged.",
    "A Scorpion has emerged.",
    "A Venus Fly Trap has emerged.",
    "A Goblin has emerged.",
    "A Rooster has emerged.",
    "A Bat has emerged.",
};

constexpr std::string_view Stance_Question =
    "You ready your weapon in the: 1 Defencive Position, 2 Offencive Position.\n";

struct Monster {
  std::int32_t kind, health, attack, defence;
};

// The monster of a second: four draws from a generator seeded with it, in this order.
Monster monster_of(std::int64_t second) {
  Random rng(second);
  Monster m{};
  m.kind = rng.draw() % 8 + 1;
  m.health = rng.draw() % 5 + 5;
  m.attack = rng.draw() % 5 + 1;
  m.defence = rng.draw() % 5 + 1;
  return m;
}

// The first second from `from` on whose monster satisfies `wanted`.
template <typename Wanted>
std::int64_t second_with(std::int64_t from, Wanted wanted) {
  for (std::int64_t s = from; s < from + 10'000; ++s) {
    if (wanted(monster_of(s))) return s;
  }
  ADD_FAILURE() << "no such monster in 10000 seconds";
  return from;
}

// Everything an encounter prints up to and including the stance question.
std::string opening(const Monster& m, std::int64_t health, std::int64_t attack,
                    std::int64_t defence) {
  return "<cls>" + Announcements[m.kind - 1] + "\n\n" +
         "Enemy: \nHealth: " + std::to_string(m.health) + "\nAttack: " + std::to_string(m.attack) +
         "\nDefence: " + std::to_string(m.defence) + "\n\n" +
         "You: \nHealth: " + std::to_string(health) + "\nAttack: " + std::to_string(attack) +
         "\nDefence: " + std::to_string(defence) + "\n\n" + std::string(Stance_Question);
}

class Monster_Test : public Game_Test {
 protected:
  // Runs one encounter on a console whose clock starts at `second`; returns what it printed.
  std::string encounter_at(std::int64_t second, std::int64_t stance) {
    Scripted_Console at(second);
    at.answer(stance);
    install_console(&at);
    Monster_1();
    install_console(&con);
    sleeps = at.sleeps();
    EXPECT_EQ(at.typed_left(), "\n");
    return at.output();
  }

  std::vector<std::int64_t> sleeps;
};

TEST_F(Monster_Test, RatWithDefensiveStanceAttacks) {
  const std::int64_t second = second_with(1'000'000, [](const Monster& m) { return m.kind == 1; });
  const Monster rat = monster_of(second);
  const Game_State before = Game;

  const std::string out = encounter_at(second, 1);

  EXPECT_EQ(out, opening(rat, 10, 1, 1) +
                     "You ready your weapon for the Rat to attack.\n\n"
                     "The rat with its sharp fengs jumps at you. It deals " +
                     std::to_string(rat.attack - 1) + " damage.");
  EXPECT_EQ(sleeps, (std::vector<std::int64_t>{2, 2}));
  EXPECT_TRUE(Game == before);
}

TEST_F(Monster_Test, OtherKindsWithDefensiveStanceOnlyReportTheDamage) {
  const std::int64_t second = second_with(1'000'000, [](const Monster& m) { return m.kind != 1; });
  const Monster monster = monster_of(second);
  const Game_State before = Game;

  const std::string out = encounter_at(second, 1);

  EXPECT_EQ(out, opening(monster, 10, 1, 1) + "It deals " + std::to_string(monster.attack - 1) +
                     " damage.");
  EXPECT_EQ(sleeps, (std::vector<std::int64_t>{2, 2}));
  EXPECT_TRUE(Game == before);
}

// The player's block shows the game's own values, and the damage is signed.
TEST_F(Monster_Test, PlayerBlockAndDamageFollowTheGame) {
  const std::int64_t second =
      second_with(2'000'000, [](const Monster& m) { return m.kind == 6 && m.attack == 2; });
  Game.Health = 37;
  Game.skill(Skill::Attack).Level = 4;
  Game.skill(Skill::Defence).Level = 5;
  const Game_State before = Game;

  const std::string out = encounter_at(second, 1);

  EXPECT_EQ(out, opening(monster_of(second), 37, 4, 5) + "It deals -3 damage.");
  EXPECT_TRUE(Game == before);
}

TEST_F(Monster_Test, AnyOtherStancePrintsNothingMore) {
  const std::int64_t rat = second_with(1'000'000, [](const Monster& m) { return m.kind == 1; });
  for (const std::int64_t stance : {2, 0, 9, -1}) {
    const Game_State before = Game;
    const std::string out = encounter_at(rat, stance);
    EXPECT_EQ(out, opening(monster_of(rat), 10, 1, 1)) << "stance " << stance;
    EXPECT_EQ(sleeps, (std::vector<std::int64_t>{2, 2}));
    EXPECT_TRUE(Game == before);
  }
}

// The answer is not kept: `choice` holds what it held before, and the monster square stays.
TEST_F(Monster_Test, ChangesNothingInTheGame) {
  Game.choice = 42;
  Game.y = 3;
  Game.x = 35;
  Game.set_square(3, 35, '@');
  Game.set_square(2, 35, '1');
  Game.Up = 1;
  const Game_State before = Game;
  con.answer(1);
  Monster_1();
  EXPECT_TRUE(Game == before);
  EXPECT_EQ(Game.choice, 42);
  EXPECT_EQ(Game.square(2, 35), '1');
}

TEST_F(Monster_Test, SameSecondMeetsTheSameMonster) {
  for (const std::int64_t second : {1'000'000LL, 1'000'001LL, 1'700'000'000LL}) {
    const std::string first = encounter_at(second, 1);
    const std::string again = encounter_at(second, 1);
    EXPECT_EQ(first, again);
    EXPECT_EQ(first,
              opening(monster_of(second), 10, 1, 1) +
                  (monster_of(second).kind == 1 ? "You ready your weapon for the Rat to attack.\n\n"
                                                  "The rat with its sharp fengs jumps at you. "
                                                : "") +
                  "It deals " + std::to_string(monster_of(second).attack - 1) + " damage.");
  }
}

// Over many seconds every kind turns up, and every value stays within its range.
TEST_F(Monster_Test, EveryKindAppearsAndValuesStayInRange) {
  std::set<std::string> seen;
  for (std::int64_t second = 5'000; second < 5'400; ++second) {
    const std::string out = encounter_at(second, 2);
    const Monster m = monster_of(second);
    ASSERT_EQ(out, opening(m, 10, 1, 1));
    EXPECT_GE(m.health, 5);
    EXPECT_LE(m.health, 9);
    EXPECT_GE(m.attack, 1);
    EXPECT_LE(m.attack, 5);
    EXPECT_GE(m.defence, 1);
    EXPECT_LE(m.defence, 5);
    seen.insert(out.substr(5, out.find('\n') - 5));
  }
  EXPECT_EQ(seen, std::set<std::string>(std::begin(Announcements), std::end(Announcements)));
}

}  // namespace
}  // namespace fm
