// Every row of the three gathering tables, walked once: each option is offered exactly from one
// level above its level bound and one area above its area bound, and gives its item, its wait,
// its message and its experience.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "skills/gathering.h"
#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

constexpr std::int32_t None = -1;  // an option without a bound

struct Row {
  const char* entry;
  Item item;
  std::int32_t level_bound;
  std::int32_t area_bound;
  std::int32_t experience;
  std::int32_t wait;
  const char* message;
};

struct Skill_Case {
  const char* name;
  void (*action)();
  Skill skill;
  std::int32_t Game_State::*tool;
  std::int32_t Game_State::*selection;
  std::string head;  // everything printed up to the list, for the answer 1
  std::string closing;
  std::vector<Row> rows;
};

const std::vector<Skill_Case>& skill_cases() {
  static const std::vector<Skill_Case> cases = {
      {"Mining",
       Start_Mining,
       Skill::Mining,
       &Game_State::pick,
       &Game_State::mining,
       "\n\nWould you like to mine? \n1 yes, 2 no\n\nWhat would you like to mine?\n\n",
       "Any key to mine nothing\n",
       {
           {"1 copper, ", Copper_Ore, None, None, 1, 3, "You mine some copper."},
           {"2 tin, ", Tin_Ore, None, None, 1, 3, "You mine some tin."},
           {"3 Blurite, ", Blurite_Ore, 4, 4, 2, 4, "You mine some Blurite."},
           {"4 Iron, ", Iron_Ore, 9, 9, 3, 5, "You mine some Iron."},
           {"5 Silver, ", Silver_Ore, 14, 14, 4, 6, "You mine some Silver."},
           {"6 Elemental, ", Elemental_Ore, 19, 19, 5, 7, "You mine some Elemental."},
           {"7 Gold, ", Gold_Ore, 24, 24, 6, 8, "You mine some Gold."},
           {"8 Mithril, ", Mithril_Ore, 29, 29, 7, 9, "You mine some Mithril."},
           {"9 Adamantite, ", Adamantite_Ore, 34, 34, 8, 10, "You mine some Adamantite."},
           {"10 Runite, ", Runite_Ore, 39, 39, 9, 11, "You mine some Runite."},
           {"11 Magic, ", Magic_Ore, 44, 44, 10, 11, "You mine some Magic Ore."},
           {"12 Cursed, ", Cursed_Ore, 54, 49, 11, 12, "You mine some Cursed Ore."},
           {"13 Blood, ", Blood_Ore, 64, 54, 12, 13, "You mine some Blood Ore."},
           {"14 Dragon, ", Dragon_Ore, 74, 59, 13, 14, "You mine some Dragon Ore."},
           {"15 Crystal, ", Crystal_Ore, 84, 64, 14, 15, "You mine some Crystal Ore."},
       }},
      {"Fishing",
       Start_Fishing,
       Skill::Fishing,
       &Game_State::pole,
       &Game_State::fishing,
       "Would you like to fish? \n1 yes, 2 no\n\nWhat would you like to catch?\n\n",
       "Any key to catch nothing\n",
       {
           {"1 Minnow, ", Minnow, None, None, 1, 3, "You catch a Minnow."},
           {"2 Sardine, ", Sardine, 4, 3, 2, 4, "You catch a Sardine."},
           {"3 Herring, ", Herring, 9, 7, 3, 5, "You catch a Herring."},
           {"4 Anchovies, ", Anchovies, 14, 11, 4, 6, "You catch a Anchovies."},
           {"5 Trout, ", Trout, 19, 15, 5, 7, "You catch a Trout."},
           {"6 Pike, ", Pike, 24, 19, 6, 8, "You catch a Pike."},
           {"7 Salmon, ", Salmon, 29, 23, 7, 9, "You catch a Salmon."},
           {"8 Tuna, ", Tuna, 34, 27, 8, 10, "You catch a Tuna."},
           {"9 Lobster, ", Lobster, 39, 31, 9, 11, "You catch a Lobster."},
           {"10 Bass, ", Bass, 44, 35, 10, 12, "You catch a Bass."},
           {"11 Swordfish, ", Swordfish, 49, 39, 11, 13, "You catch a Swordfish."},
           {"12 Eel, ", Eel, 54, 43, 12, 14, "You catch a Eel."},
           {"13 Monk Fish, ", Monk_Fish, 64, 47, 13, 15, "You catch a Monk Fish."},
           {"14 Sturgeon, ", Sturgeon, 69, 51, 14, 16, "You catch a Sturgeon."},
           {"15 Shark, ", Shark, 74, 55, 15, 17, "You catch a Shark."},
           {"16 Sea Turtle, ", Sea_Turtle, 79, 59, 16, 18, "You catch a Sea Turtle."},
           {"17 Manta Ray,", Manta_Ray, 84, 64, 17, 19, "You catch a Manta Ray."},
       }},
      {"Woodcutting",
       Start_Chopping,
       Skill::Woodcutting,
       &Game_State::axe,
       &Game_State::woodcutting,
       "Would you like to cut wood? \n1 yes, 2 no\n\nWhat would you like to cut?\n\n",
       "Any key to cut nothing\n",
       {
           {"1 Wood, ", Wood_Log, None, None, 1, 3, "You cut some Wood Logs."},
           {"2 Oak, ", Oak_Log, 4, 4, 2, 4, "You cut some Oak Logs."},
           {"3 Willow, ", Willow_Log, 9, 9, 3, 5, "You cut some Willow Logs."},
           {"4 Teak, ", Teak_Log, 14, 14, 4, 6, "You cut some Teak Logs."},
           {"5 Maple, ", Maple_Log, 19, 19, 5, 7, "You cut some Maple Logs."},
           {"6 Mahogany, ", Mahogany_Log, 24, 24, 6, 8, "You cut some Mahogany Logs."},
           {"7 Arctic Pine, ", Arctic_Pine_Log, 29, 29, 7, 9, "You cut some Arctic Pine Logs."},
           {"8 Eucalyptus, ", Eucalyptus_Log, 34, 34, 8, 10, "You cut some Eucalyptus Logs."},
           {"9 Yew, ", Yew_Log, 39, 39, 9, 11, "You cut some Yew Logs."},
           {"10 Magic, ", Magic_Log, 44, 44, 10, 11, "You cut some Magic Logs."},
           {"11 Cursed, ", Cursed_Log, 54, 49, 11, 12, "You cut some Cursed Logs."},
           {"12 Blood, ", Blood_Log, 64, 54, 12, 13, "You cut some Blood Logs."},
           {"13 Dragon, ", Dragon_Log, 74, 59, 13, 14, "You cut some Dragon Logs."},
           {"14 Crystal, ", Crystal_Log, 84, 64, 14, 15, "You cut some Crystal Logs."},
       }},
  };
  return cases;
}

// The list line that a skill level and an area should show, worked out from the rows above.
std::string expected_list(const Skill_Case& c, std::int32_t level, std::int32_t area) {
  std::string list;
  for (const Row& row : c.rows) {
    if (level > row.level_bound && area > row.area_bound) list += row.entry;
  }
  return list + c.closing;
}

struct Row_Ref {
  std::size_t skill;
  std::size_t row;
};

std::vector<Row_Ref> rows(bool bounded_only) {
  std::vector<Row_Ref> refs;
  for (std::size_t s = 0; s < skill_cases().size(); ++s) {
    for (std::size_t r = 0; r < skill_cases()[s].rows.size(); ++r) {
      const Row& row = skill_cases()[s].rows[r];
      // In every table an option has both bounds or neither.
      if (!bounded_only || row.level_bound != None) refs.push_back({s, r});
    }
  }
  return refs;
}

std::string row_name(const ::testing::TestParamInfo<Row_Ref>& info) {
  return std::string(skill_cases()[info.param.skill].name) + "_" +
         std::to_string(info.param.row + 1);
}

class Gathering_Bounds : public Game_Test, public ::testing::WithParamInterface<Row_Ref> {
 protected:
  const Skill_Case& skill_case() const { return skill_cases()[GetParam().skill]; }
  const Row& row() const { return skill_case().rows[GetParam().row]; }
  std::int32_t option() const { return static_cast<std::int32_t>(GetParam().row + 1); }

  // Holds the tool at `level` in `area`, with a threshold far away so no level-up interferes.
  void stand(std::int32_t level, std::int32_t area) {
    Game.*skill_case().tool = 1;
    Game.skill(skill_case().skill) = Skill_Record{0, level, 1000};
    Game.Level_Sel = area;
  }

  // Answers yes and then this row's option number; expects nothing to be given.
  void expect_refused(std::int32_t level, std::int32_t area) {
    stand(level, area);
    Game_State expected = Game;
    expected.*skill_case().selection = option();
    con.answer(1).answer(option());
    skill_case().action();
    EXPECT_EQ(con.output(), skill_case().head + expected_list(skill_case(), level, area));
    EXPECT_EQ(con.output().find(row().entry), std::string::npos);
    EXPECT_TRUE(con.sleeps().empty());
    EXPECT_TRUE(Game == expected) << "an option that is not offered changed the game";
  }
};

TEST_P(Gathering_Bounds, OfferedOneAboveBothBoundsAndGathered) {
  const std::int32_t level = row().level_bound == None ? 1 : row().level_bound + 1;
  const std::int32_t area = row().area_bound == None ? 1 : row().area_bound + 1;
  stand(level, area);
  Game_State expected = Game;
  expected.Inventory[row().item] += 1;
  expected.total -= 1;
  expected.skill(skill_case().skill).Skill = row().experience;
  expected.*skill_case().selection = option();

  con.answer(1).answer(option());
  skill_case().action();

  const std::string list = expected_list(skill_case(), level, area);
  EXPECT_NE(list.find(row().entry), std::string::npos);
  EXPECT_EQ(con.output(), skill_case().head + list + row().message);
  EXPECT_EQ(con.sleeps(), (std::vector<std::int64_t>{row().wait, 1}));
  EXPECT_TRUE(Game == expected) << "gathering changed more than the item, total and experience";
}

// The refusals, for the rows that have bounds.
class Gathering_Refusals : public Gathering_Bounds {};

TEST_P(Gathering_Refusals, NotOfferedAtItsLevelBoundEvenInTheLastArea) {
  expect_refused(row().level_bound, 70);
}

TEST_P(Gathering_Refusals, NotOfferedAtItsAreaBoundEvenAtAHighLevel) {
  expect_refused(500, row().area_bound);
}

INSTANTIATE_TEST_SUITE_P(AllOptions, Gathering_Bounds, ::testing::ValuesIn(rows(false)), row_name);
INSTANTIATE_TEST_SUITE_P(BoundedOptions, Gathering_Refusals, ::testing::ValuesIn(rows(true)),
                         row_name);

}  // namespace
}  // namespace fm
