#include "core/main_loop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/game_test.h"
#include "support/game_texts.h"
#include "support/temp_folder.h"
#include "world/areas.h"

namespace fm {
namespace {

class Main_Loop_Test : public testing::Game_Test {
 protected:
  // Enters `area` as a new game does and marks the loop as started, so that exits only load.
  void enter(std::int32_t area) {
    Game.Level_Sel = area;
    Game.Enter_Level = 0;
    Load_World(area);
    Game.Loop_Started = true;
  }
  // Puts the player on (row, column) of the current map.
  void place(std::int32_t row, std::int32_t column) {
    Game.set_square(Game.y, Game.x, ' ');
    Game.y = row;
    Game.x = column;
    Game.set_square(row, column, '@');
  }
  // Runs the loop over the queued keys; the script ends with the input.
  void play() { EXPECT_THROW(Game_Mechanics(), End_Of_Input); }

  static int count_of(const Grid& map, char c) {
    int n = 0;
    for (const auto& row : map)
      for (char square : row) n += square == c;
    return n;
  }
};

TEST_F(Main_Loop_Test, FrameShowsTwentySixMapRowsNameHealthPanelsAndHint) {
  enter(1);
  std::copy_n("Ann", 4, Game.Player_Name.data());
  play();
  const std::string frame = con.since_last_clear();
  std::istringstream lines(frame);
  std::string line;
  std::vector<std::string> all;
  while (std::getline(lines, line)) all.push_back(line);
  ASSERT_GE(all.size(), 26u);
  EXPECT_EQ(all[0], std::string(47, '#'));
  EXPECT_EQ(all[1], "#@                                          WW#");
  EXPECT_EQ(all[20], std::string(47, '#'));
  for (int row = 21; row < 26; ++row) EXPECT_EQ(all[row], "") << row;
  EXPECT_EQ(frame.substr(frame.find(std::string(47, '#') + "\n\n\n\n\n\n") +
                         std::string(47, '#').size() + 6),
            "Ann\n\nHealth: 10\n\n\n"
            "Press Q to show Items\n\nPress W to show skills\n\nPress E to show location\n\n"
            "\nPress Tab for actions\n\n");
}

TEST_F(Main_Loop_Test, WalkingMovesTheMarkerAndClearsTheOldSquare) {
  enter(1);
  con.keys({Key::Down});
  play();
  EXPECT_EQ(Game.y, 2);
  EXPECT_EQ(Game.x, 1);
  EXPECT_EQ(Game.Map[1][1], ' ');
  EXPECT_EQ(Game.Map[2][1], '@');
  EXPECT_EQ(Game.Down, 1);
  EXPECT_EQ(Game.Up + Game.Left + Game.Right, 0);
}

TEST_F(Main_Loop_Test, WallsBlockButTheDirectionFlagShowsTheArrow) {
  enter(1);
  Game.Show_Location = 1;
  con.keys({Key::Up});
  play();
  EXPECT_EQ(Game.y, 1);
  EXPECT_EQ(Game.Map[1][1], '@');
  EXPECT_NE(con.since_last_clear().find("North 1, East 0, South 0, West 0\n"), std::string::npos);
}

TEST_F(Main_Loop_Test, TwoArrowsInOnePassTakeTwoStepsDownThenRight) {
  enter(34);
  Game.Show_Location = 1;
  con.keys({Key::Down, Key::Right});
  play();
  EXPECT_EQ(Game.y, 2);
  EXPECT_EQ(Game.x, 2);
  EXPECT_EQ(count_of(Game.Map, '@'), 1);
  EXPECT_NE(con.since_last_clear().find("North 0, East 1, South 0, West 0\n"), std::string::npos);
}

TEST_F(Main_Loop_Test, AKeyThatIsNotAnArrowLeavesAllFlagsAtZero) {
  enter(34);
  con.keys({Key::Right}).keys({Key::Q});
  play();
  EXPECT_EQ(Game.Up + Game.Down + Game.Left + Game.Right, 0);
  EXPECT_EQ(Game.Show_Item, 1);
}

TEST_F(Main_Loop_Test, PanelKeysToggleOnAndOff) {
  enter(34);
  con.keys({Key::Q, Key::W, Key::E}).keys({Key::W});
  play();
  EXPECT_EQ(Game.Show_Item, 1);
  EXPECT_EQ(Game.Show_Skill, 0);
  EXPECT_EQ(Game.Show_Location, 1);
}

TEST_F(Main_Loop_Test, ExitForwardLoadsTheNextAreaAndEndsThePass) {
  enter(1);
  place(17, 2);  // the "+" of area 1 is at (18, 2)
  con.keys({Key::Down, Key::Q, Key::Esc});
  play();
  EXPECT_EQ(Game.Level_Sel, 2);
  EXPECT_EQ(Game.y, 1);
  EXPECT_EQ(Game.x, 1);
  EXPECT_EQ(Game.Map[3][40], 'a');
  EXPECT_EQ(Game.Show_Item, 0) << "keys after an exit are not polled in that pass";
  EXPECT_EQ(con.output().find("Would you like to save"), std::string::npos);
}

TEST_F(Main_Loop_Test, ExitBackPutsThePlayerOnTheStartSquare) {
  enter(2);
  place(17, 4);  // the "-" of area 2 is at (18, 4)
  con.keys({Key::Down});
  play();
  EXPECT_EQ(Game.Level_Sel, 1);
  EXPECT_EQ(Game.y, 1);
  EXPECT_EQ(Game.x, 1);
  EXPECT_EQ(Game.Map[1][1], '@');
}

TEST_F(Main_Loop_Test, StripAreaNineLeadsBackThroughItsExitBack) {
  enter(9);
  con.keys({Key::Right}).keys({Key::Right}).keys({Key::Right});
  play();
  EXPECT_EQ(Game.Level_Sel, 8);
}

TEST_F(Main_Loop_Test, MonsterSquaresAndVillagersBlockWhereTheyDoNotAct) {
  // A "1" beyond area 24 and a "&" outside areas 1 and 4 are walls.
  for (std::int32_t area : {25, 40, 2, 5}) {
    enter(area);
    place(5, 5);
    Game.set_square(6, 5, area == 2 || area == 5 ? '&' : '1');
    con.clear_output();
    con.keys({Key::Down});
    play();
    EXPECT_EQ(Game.y, 5) << area;
    EXPECT_NE(con.output().find("Press Tab for actions\n\n<cls>"), std::string::npos) << area;
  }
}

struct Esc_Case {
  const char* typed;
  bool running;
  bool saved;
};

class Esc_Prompt_Test : public Main_Loop_Test, public ::testing::WithParamInterface<Esc_Case> {};

TEST_P(Esc_Prompt_Test, AnswersDecideSavingAndQuitting) {
  const Esc_Case& c = GetParam();
  testing::Temp_Folder folder;
  enter(34);
  con.keys({Key::Esc});
  con.type(c.typed);
  if (c.running) {
    play();
  } else {
    Game_Mechanics();
    EXPECT_EQ(con.keys_left(), 0u);
  }
  EXPECT_EQ(Game.Game_Running, c.running);
  EXPECT_EQ(std::filesystem::exists("Save.txt"), c.saved);
  const std::string prompt = "<cls>" + std::string(testing::Save_Question);
  EXPECT_NE(con.output().find(prompt), std::string::npos);
  EXPECT_EQ(con.output().find("continue playing") != std::string::npos, c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Esc_Prompt_Test,
    ::testing::Values(Esc_Case{"3\n", true, false}, Esc_Case{"7\n", true, false},
                      Esc_Case{"x\n", true, false}, Esc_Case{"2\n", false, false},
                      Esc_Case{"1\n1\n", true, true}, Esc_Case{"1\n5\n", true, true},
                      Esc_Case{"1\n2\n", false, true}));

TEST_F(Main_Loop_Test, TheQuittingPassIsCompletedBeforeTheLoopEnds) {
  enter(34);
  con.keys({Key::Right, Key::Esc});
  con.answer(2);
  Game_Mechanics();
  EXPECT_EQ(Game.x, 2);
  EXPECT_FALSE(Game.Game_Running);
}

TEST_F(Main_Loop_Test, AnAreaOutsideOneToSeventyShowsEmptyRowsAndNothingMoves) {
  Game.Level_Sel = 71;
  Load_World(71);
  Game.Loop_Started = true;
  con.keys({Key::Down}).keys({Key::Right});
  play();
  EXPECT_EQ(Game.x, 1);
  EXPECT_EQ(Game.y, 1);
  EXPECT_EQ(con.since_last_clear().substr(0, 28), std::string(26, '\n') + "\n\n");
}

}  // namespace
}  // namespace fm
