#include "core/start_menu.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/random.h"
#include "support/game_test.h"
#include "support/game_texts.h"
#include "support/temp_folder.h"

namespace fm {
namespace {

using testing::Menu_Text;

// The first clock second from `from` on whose gamble turn wins (true) or loses (false).
std::int64_t Second_That(bool wins, std::int64_t from) {
  for (std::int64_t t = from;; ++t) {
    if ((Random(t).draw() % 2 == 0) == wins) return t;
  }
}

class Start_Menu_Test : public testing::Game_Test {
 protected:
  testing::Temp_Folder folder;
};

class Menu_Answers_That_End : public Start_Menu_Test,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(Menu_Answers_That_End, EndTheProgramAtOnce) {
  con.type(GetParam());
  Start_Menu();
  EXPECT_EQ(con.output(), Menu_Text);
  EXPECT_FALSE(Game.Loop_Started);
}

INSTANTIATE_TEST_SUITE_P(Answers, Menu_Answers_That_End,
                         ::testing::Values("3\n", "4\n", "5\n", "9\n", "0\n", "-1\n", "abc\n",
                                           "99999999999\n"));

TEST_F(Start_Menu_Test, NewCharacterWhoDeclinesTheGambleStartsWithNoGoldInAreaOne) {
  con.type("1\nAlice\n2\n");
  con.keys({Key::Esc});
  con.answer(2);
  Start_Menu();
  EXPECT_TRUE(con.output().starts_with(
      std::string(Menu_Text) +
      "<cls>Welcome to the world of Farrowmede!\n\nWhat is your name?\n<cls>"
      "So, your name is Alice?\n"));
  EXPECT_NE(con.output().find("<cls>So, your name is Alice?\n"
                              "Great! Alice, I have a question for you.\n"
                              "Do you like gambeling? (1 = yes, 2 = no)\n<cls>###"),
            std::string::npos);
  EXPECT_EQ(Game.money, 0);
  EXPECT_EQ(Game.Level_Sel, 1);
  EXPECT_EQ(Game.Map[1][1], '@');
  EXPECT_EQ(Game.Map[15][3], 'p');
  EXPECT_FALSE(Game.Game_Running);
}

TEST_F(Start_Menu_Test, AcceptingTheGambleShowsTheDealAndStopsWithTwentyFive) {
  con.type("1\nBo\n1\n0\n2\n");
  con.keys({Key::Esc});
  con.answer(2);
  Start_Menu();
  EXPECT_NE(
      con.output().find(
          "<cls>Willing to take the risk I see. Wonderful. A good thing too.\n"
          "You are broke right now, but I will cut you a deal.\n"
          "I will give you 25 gold and a 50/50 chance to double or nothing.\n"
          "Double or nothing... as many times as you want. However, there is a catch.\n"
          "If you lose, you pay up. I will be keeping the first 50 gold you make in your "
          "journey.\n"
          "\nToo late to back down now.\n\n"
          "Press any key to continue...<cls>You have 25 Gold. 1 = Double or Nothing, 2 = Stop?\n"
          "<cls>###"),
      std::string::npos);
  EXPECT_EQ(Game.money, 25);
}

TEST_F(Start_Menu_Test, AWinThenALossEndsAtMinusFifty) {
  // Turns within one second draw alike, so the win and the loss are played in different seconds.
  con.advance(Second_That(true, con.now()) - con.now());
  Game.money = 25;
  con.type("1\n0\n2\n");
  Gambeling();
  con.advance(Second_That(false, con.now()) - con.now());
  con.type("1\n0\n");
  Gambeling();
  EXPECT_EQ(con.output(),
            "You have 25 Gold. 1 = Double or Nothing, 2 = Stop?\n"
            "\nCongradulations! You doubled your money!\nPress any key to continue... "
            "You have 50 Gold. 1 = Double or Nothing, 2 = Stop?\n"
            "You have 50 Gold. 1 = Double or Nothing, 2 = Stop?\n"
            "\nOuch! Tough luck. You owe me big now! HAHAHA!\n"
            "You have -50 Gold.\nPress any key to continue... ");
  EXPECT_EQ(Game.money, -50);
}

TEST_F(Start_Menu_Test, WinsDoubleTheStakeEachTurnAndNeverOverflow) {
  con.advance(Second_That(true, con.now()) - con.now());
  Game.money = 25;
  for (int turn = 0; turn < 3; ++turn) con.type("1\n0\n");
  con.type("2\n");
  Gambeling();
  EXPECT_EQ(Game.money, 200);
  EXPECT_EQ(Game.choice, 2);

  Game.money = INT_MAX / 2 + 10;
  con.type("1\n0\n1\n0\n2\n");
  Gambeling();
  EXPECT_EQ(Game.money, INT_MAX);
}

TEST_F(Start_Menu_Test, TurnsInTheSameSecondDrawTheSameOutcome) {
  con.advance(Second_That(false, con.now()) - con.now());
  Game.money = 25;
  con.type("1\n0\n");
  Gambeling();
  EXPECT_EQ(Game.money, -50);
  EXPECT_EQ(Game.choice, 0);
}

TEST_F(Start_Menu_Test, NamesAreCutToFifteenCharactersWithoutControlCharacters) {
  con.type("1\nAbcdefghijklmnopqrst\n2\n");
  con.keys({Key::Esc});
  con.answer(2);
  Start_Menu();
  EXPECT_STREQ(Game.Player_Name.data(), "Abcdefghijklmno");

  reset_game_state();
  con.type("1\nEv\x1b[2Jil\n2\n");
  con.keys({Key::Esc});
  con.answer(2);
  Start_Menu();
  EXPECT_STREQ(Game.Player_Name.data(), "Ev[2Jil");
}

TEST_F(Start_Menu_Test, TheRestOfANameLineAnswersTheGambleQuestion) {
  con.type("1\nSam 1\n0\n2\n");
  con.keys({Key::Esc});
  con.answer(2);
  Start_Menu();
  EXPECT_EQ(Game.money, 25);
}

TEST_F(Start_Menu_Test, LoadingWithoutASaveFileStartsAreaOneWithAnEmptyName) {
  con.type("2\n");
  con.keys({Key::Esc});
  con.answer(2);
  Start_Menu();
  EXPECT_EQ(Game.Level_Sel, 1);
  EXPECT_EQ(Game.x, 1);
  EXPECT_EQ(Game.y, 1);
  EXPECT_EQ(Game.Player_Name[0], '\0');
  EXPECT_EQ(Game.money, 0);
  EXPECT_EQ(con.output().substr(Menu_Text.size(), 5), "<cls>") << "no clear before the load";
}

}  // namespace
}  // namespace fm
