#include "skills/gathering.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

// The one key press of the worked example: a character with the pick axe at Mining level 5 in
// area 6 mines Blurite.
TEST_F(Game_Test, MiningBluriteInAreaSixAtLevelFive) {
  Game.pick = 1;
  Game.Level_Sel = 6;
  Game.skill(Skill::Mining) = Skill_Record{0, 5, 12};
  Game_State expected = Game;
  expected.Inventory[Blurite_Ore] = 1;
  expected.total = 27;
  expected.skill(Skill::Mining).Skill = 2;
  expected.mining = 3;

  con.answer(1).answer(3);
  Start_Mining();

  EXPECT_EQ(con.output(),
            "\n\nWould you like to mine? \n1 yes, 2 no\n"
            "\nWhat would you like to mine?\n"
            "\n1 copper, 2 tin, 3 Blurite, Any key to mine nothing\n"
            "You mine some Blurite.");
  EXPECT_EQ(con.sleeps(), (std::vector<std::int64_t>{4, 1}));
  EXPECT_TRUE(Game == expected);
  EXPECT_EQ(con.typed_left(), "\n");  // both answers read, only the last line end is left
}

TEST_F(Game_Test, MiningListAtLevelFiveInAreaFive) {
  Game.pick = 1;
  Game.Level_Sel = 5;
  Game.skill(Skill::Mining).Level = 5;
  con.answer(1).answer(0);
  Start_Mining();
  EXPECT_EQ(con.output(),
            "\n\nWould you like to mine? \n1 yes, 2 no\n"
            "\nWhat would you like to mine?\n"
            "\n1 copper, 2 tin, 3 Blurite, Any key to mine nothing\n");
}

TEST_F(Game_Test, FullListsAtTheHighestLevelsInTheLastArea) {
  Game.pick = Game.pole = Game.axe = 1;
  Game.Level_Sel = 70;
  for (Skill s : {Skill::Mining, Skill::Fishing, Skill::Woodcutting}) Game.skill(s).Level = 85;
  con.answer(1).answer(0).answer(1).answer(0).answer(1).answer(0);
  Start_Mining();
  Start_Fishing();
  Start_Chopping();
  const std::string& out = con.output();
  EXPECT_NE(out.find("\n1 copper, 2 tin, 3 Blurite, 4 Iron, 5 Silver, 6 Elemental, 7 Gold, "
                     "8 Mithril, 9 Adamantite, 10 Runite, 11 Magic, 12 Cursed, 13 Blood, "
                     "14 Dragon, 15 Crystal, Any key to mine nothing\n"),
            std::string::npos);
  // The last fishing entry has no blank after its comma.
  EXPECT_NE(out.find("\n1 Minnow, 2 Sardine, 3 Herring, 4 Anchovies, 5 Trout, 6 Pike, "
                     "7 Salmon, 8 Tuna, 9 Lobster, 10 Bass, 11 Swordfish, 12 Eel, "
                     "13 Monk Fish, 14 Sturgeon, 15 Shark, 16 Sea Turtle, "
                     "17 Manta Ray,Any key to catch nothing\n"),
            std::string::npos);
  EXPECT_NE(out.find("\n1 Wood, 2 Oak, 3 Willow, 4 Teak, 5 Maple, 6 Mahogany, 7 Arctic Pine, "
                     "8 Eucalyptus, 9 Yew, 10 Magic, 11 Cursed, 12 Blood, 13 Dragon, "
                     "14 Crystal, Any key to cut nothing\n"),
            std::string::npos);
}

TEST_F(Game_Test, FishingAtLevelFiveInAreaFourOffersMinnowAndSardineOnly) {
  Game.pole = 1;
  Game.Level_Sel = 4;
  Game.skill(Skill::Fishing).Level = 5;
  con.answer(1).answer(3);  // Herring typed although not offered
  Start_Fishing();
  EXPECT_EQ(con.output(),
            "Would you like to fish? \n1 yes, 2 no\n"
            "\nWhat would you like to catch?\n"
            "\n1 Minnow, 2 Sardine, Any key to catch nothing\n");
  EXPECT_EQ(Game.Inventory[Herring], 0);
  EXPECT_TRUE(con.sleeps().empty());
}

TEST_F(Game_Test, MiningIronTypedAtLevelFiveGivesNothing) {
  Game.pick = 1;
  Game.Level_Sel = 40;
  Game.skill(Skill::Mining).Level = 5;
  con.answer(1).answer(4);
  Start_Mining();
  EXPECT_EQ(Game.Inventory[Iron_Ore], 0);
  EXPECT_EQ(Game.total, 28);
  EXPECT_EQ(Game.skill(Skill::Mining), (Skill_Record{0, 5, 8}));
  EXPECT_TRUE(con.sleeps().empty());
}

TEST_F(Game_Test, ALevelGainedByGatheringTakesEffectInTheNextList) {
  Game.pick = 1;
  Game.Level_Sel = 5;
  Game.skill(Skill::Mining) = Skill_Record{10, 4, 11};
  con.answer(1).answer(1).answer(1).answer(0);
  Start_Mining();
  EXPECT_EQ(Game.skill(Skill::Mining), (Skill_Record{0, 5, 12}));
  EXPECT_EQ(con.output().find("3 Blurite, "), std::string::npos);
  con.clear_output();
  Start_Mining();
  EXPECT_NE(con.output().find("1 copper, 2 tin, 3 Blurite, Any key"), std::string::npos);
}

// What all three gathering skills share, run once for each.
struct Skill_Flow {
  const char* name;
  void (*action)();
  Skill skill;
  std::int32_t Game_State::*tool;
  std::int32_t Game_State::*selection;
  std::string first_question;  // what the first question prints, empty lines included
  std::string second_question;
  std::string new_character_list;
  Item first_item;
  std::string first_message;
};

const std::vector<Skill_Flow>& flows() {
  static const std::vector<Skill_Flow> all = {
      {"Mining", Start_Mining, Skill::Mining, &Game_State::pick, &Game_State::mining,
       "\n\nWould you like to mine? \n1 yes, 2 no\n", "\nWhat would you like to mine?\n",
       "\n1 copper, 2 tin, Any key to mine nothing\n", Copper_Ore, "You mine some copper."},
      {"Fishing", Start_Fishing, Skill::Fishing, &Game_State::pole, &Game_State::fishing,
       "Would you like to fish? \n1 yes, 2 no\n", "\nWhat would you like to catch?\n",
       "\n1 Minnow, Any key to catch nothing\n", Minnow, "You catch a Minnow."},
      {"Woodcutting", Start_Chopping, Skill::Woodcutting, &Game_State::axe,
       &Game_State::woodcutting, "Would you like to cut wood? \n1 yes, 2 no\n",
       "\nWhat would you like to cut?\n", "\n1 Wood, Any key to cut nothing\n", Wood_Log,
       "You cut some Wood Logs."},
  };
  return all;
}

class Gathering_Flow : public Game_Test, public ::testing::WithParamInterface<std::size_t> {
 protected:
  const Skill_Flow& flow() const { return flows()[GetParam()]; }
  void hold_tool() { Game.*flow().tool = 1; }
};

TEST_P(Gathering_Flow, WithoutTheToolNothingHappensAndNothingIsRead) {
  con.answer(1);
  for (std::int32_t tool : {0, 2, -1}) {
    reset_game_state();
    Game.*flow().tool = tool;
    const Game_State before = Game;
    flow().action();
    EXPECT_EQ(con.output(), "") << "tool " << tool;
    EXPECT_EQ(con.typed_left(), "1\n");
    EXPECT_TRUE(Game == before);
  }
}

TEST_P(Gathering_Flow, AnyAnswerButYesEndsAfterTheFirstQuestion) {
  for (std::int32_t answer : {2, 0, -1, 7}) {
    reset_game_state();
    hold_tool();
    Game_State expected = Game;
    expected.*flow().selection = answer;
    con.clear_output();
    con.answer(answer);
    flow().action();
    EXPECT_EQ(con.output(), flow().first_question) << "answer " << answer;
    EXPECT_TRUE(Game == expected);
  }
}

TEST_P(Gathering_Flow, NonNumberAnswerEndsAfterTheFirstQuestion) {
  hold_tool();
  con.type("yes\n");
  flow().action();
  EXPECT_EQ(con.output(), flow().first_question);
  EXPECT_EQ(Game.*flow().selection, 0);
}

TEST_P(Gathering_Flow, NoFreeSpaceEndsSilentlyAfterTheYes) {
  for (std::int32_t total : {0, -3}) {
    reset_game_state();
    hold_tool();
    Game.total = total;
    Game_State expected = Game;
    expected.*flow().selection = 1;
    con.clear_output();
    con.answer(1).answer(1);
    flow().action();
    EXPECT_EQ(con.output(), flow().first_question) << "total " << total;
    EXPECT_EQ(con.typed_left(), "\n1\n");  // the option answer is never read
    EXPECT_TRUE(Game == expected);
    (void)con.read_number();
  }
}

TEST_P(Gathering_Flow, LastFreeSpaceIsUsedAndTheNextAttemptStops) {
  hold_tool();
  Game.total = 1;
  con.answer(1).answer(1).answer(1).answer(1);
  flow().action();
  EXPECT_EQ(Game.Inventory[flow().first_item], 1);
  EXPECT_EQ(Game.total, 0);
  con.clear_output();
  flow().action();
  EXPECT_EQ(con.output(), flow().first_question);
  EXPECT_EQ(Game.Inventory[flow().first_item], 1);
  EXPECT_EQ(Game.total, 0);
  EXPECT_EQ(Game.skill(flow().skill).Skill, 1);
}

TEST_P(Gathering_Flow, AboveAreaSeventyStopsAfterTheSecondQuestion) {
  hold_tool();
  Game.Level_Sel = 71;
  Game_State expected = Game;
  expected.*flow().selection = 1;
  con.answer(1).answer(1);
  flow().action();
  EXPECT_EQ(con.output(), flow().first_question + flow().second_question);
  EXPECT_EQ(con.typed_left(), "\n1\n");  // the option answer is never read
  EXPECT_TRUE(Game == expected);
}

TEST_P(Gathering_Flow, ANewCharacterSeesOnlyTheUnboundedOptions) {
  hold_tool();
  con.answer(1).answer(1);
  flow().action();
  EXPECT_EQ(con.output(), flow().first_question + flow().second_question +
                              flow().new_character_list + flow().first_message);
  EXPECT_EQ(con.sleeps(), (std::vector<std::int64_t>{3, 1}));
  EXPECT_EQ(Game.Inventory[flow().first_item], 1);
  EXPECT_EQ(Game.total, 27);
  EXPECT_EQ(Game.skill(flow().skill), (Skill_Record{1, 1, 8}));
}

TEST_P(Gathering_Flow, NumbersOutsideTheTableGiveNothing) {
  for (std::int32_t answer : {0, -1, 18, 2147483647, -2147483647 - 1}) {
    reset_game_state();
    hold_tool();
    Game.Level_Sel = 70;
    Game.skill(flow().skill).Level = 500;
    Game_State expected = Game;
    expected.*flow().selection = answer;
    con.clear_output();
    con.answer(1).answer(answer);
    flow().action();
    EXPECT_TRUE(Game == expected) << "answer " << answer;
    EXPECT_TRUE(con.sleeps().empty());
  }
}

TEST_P(Gathering_Flow, EighthItemRaisesTheLevel) {
  hold_tool();
  for (int i = 0; i < 8; ++i) con.answer(1).answer(1);
  for (int i = 0; i < 8; ++i) flow().action();
  EXPECT_EQ(Game.skill(flow().skill), (Skill_Record{0, 2, 9}));
  EXPECT_EQ(Game.Inventory[flow().first_item], 8);
  EXPECT_EQ(Game.total, 20);
}

INSTANTIATE_TEST_SUITE_P(Skills, Gathering_Flow, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                           return std::string(flows()[info.param].name);
                         });

}  // namespace
}  // namespace fm
