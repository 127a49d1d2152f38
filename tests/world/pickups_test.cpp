// The tool pickups and the doors: what they ask, where they leave the player and the map.
#include "world/pickups.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/game_state.h"
#include "support/game_test.h"

namespace fm {
namespace {

using testing::Game_Test;

enum class Arrow { Up, Down, Left, Right };

struct Step {
  Arrow arrow;
  std::int32_t dy;
  std::int32_t dx;
};

constexpr Step Steps[] = {
    {Arrow::Up, -1, 0}, {Arrow::Down, 1, 0}, {Arrow::Left, 0, -1}, {Arrow::Right, 0, 1}};

// Sets the one direction flag of the arrow being handled, as the main loop does.
void set_arrow(Arrow arrow) {
  Game.Up = arrow == Arrow::Up;
  Game.Down = arrow == Arrow::Down;
  Game.Left = arrow == Arrow::Left;
  Game.Right = arrow == Arrow::Right;
}

// Puts the player on (row, column).
void place_player(std::int32_t row, std::int32_t column) {
  Game.y = row;
  Game.x = column;
  Game.set_square(row, column, '@');
}

struct Tool_Case {
  const char* label;
  void (*handler)();
  char square;
  std::string_view offer;
  std::int32_t Game_State::*field;
};

std::ostream& operator<<(std::ostream& out, const Tool_Case& c) {
  return out << c.label;
}

const Tool_Case Tool_Cases[] = {
    {"pick_axe", Take_Pickaxe, 'p', "Would you like to take the pick axe? \n1 yes, 2 no\n",
     &Game_State::pick},
    {"axe", Take_Axe, 'a', "Would you like to take the axe? \n1 yes, 2 no\n", &Game_State::axe},
    {"fishing_pole", Take_Fishingpole, 'f',
     "Would you like to take the fishing pole? \n1 yes, 2 no\n", &Game_State::pole},
};

class Pickup : public Game_Test, public ::testing::WithParamInterface<Tool_Case> {};

TEST_P(Pickup, AnswerOneStepsOntoTheToolInEveryDirection) {
  const Tool_Case& c = GetParam();
  for (const Step& step : Steps) {
    reset_game_state();
    con.clear_output();
    place_player(10, 10);
    Game.set_square(10 + step.dy, 10 + step.dx, c.square);
    set_arrow(step.arrow);
    Game_State expected = Game;
    expected.set_square(10, 10, ' ');
    expected.set_square(10 + step.dy, 10 + step.dx, '@');
    expected.y = 10 + step.dy;
    expected.x = 10 + step.dx;
    expected.*c.field = 1;

    con.answer(1);
    c.handler();

    EXPECT_EQ(con.output(), c.offer);
    EXPECT_EQ(Game.y, expected.y);
    EXPECT_EQ(Game.x, expected.x);
    EXPECT_EQ(Game.*c.field, 1);
    EXPECT_TRUE(Game == expected) << "direction " << static_cast<int>(step.arrow);
  }
}

// Every answer but 1 leaves the tool and the player where they are, and the answer in the field.
TEST_P(Pickup, OtherAnswersStayInTheFieldAndMoveNothing) {
  const Tool_Case& c = GetParam();
  for (const std::int32_t answer : {2, 0, 7, -1}) {
    reset_game_state();
    con.clear_output();
    place_player(10, 10);
    Game.set_square(10, 11, c.square);
    set_arrow(Arrow::Right);
    Game_State expected = Game;
    expected.*c.field = answer;

    con.answer(answer);
    c.handler();

    EXPECT_EQ(con.output(), c.offer);
    EXPECT_TRUE(Game == expected) << "answer " << answer;
    EXPECT_EQ(Game.square(10, 11), c.square);
  }
}

// A refused tool is offered again on the next arrow toward it, and can be taken then.
TEST_P(Pickup, RefusedToolIsOfferedAgain) {
  const Tool_Case& c = GetParam();
  place_player(10, 10);
  Game.set_square(9, 10, c.square);
  set_arrow(Arrow::Up);
  con.answer(2).answer(1);
  c.handler();
  c.handler();
  EXPECT_EQ(con.output(), std::string(c.offer) + std::string(c.offer));
  EXPECT_EQ(Game.*c.field, 1);
  EXPECT_EQ(Game.y, 9);
  EXPECT_EQ(Game.square(9, 10), '@');
}

INSTANTIATE_TEST_SUITE_P(Tools, Pickup, ::testing::ValuesIn(Tool_Cases),
                         [](const auto& info) { return std::string(info.param.label); });

class Tool_Test : public Game_Test {};
class Door_Test : public Game_Test {};

// Each offer writes its own field only.
TEST_F(Tool_Test, EachOfferWritesOnlyItsOwnToolField) {
  Game.pick = 5;
  Game.axe = 6;
  Game.pole = 7;
  con.answer(2);
  Take_Axe();
  EXPECT_EQ(Game.pick, 5);
  EXPECT_EQ(Game.axe, 2);
  EXPECT_EQ(Game.pole, 7);
}

// The pick axe of area 1 lies at (15, 3); the player comes from (15, 2) with the right arrow.
TEST_F(Tool_Test, PickAxeTakenFromTheLeft) {
  place_player(15, 2);
  Game.set_square(15, 3, 'p');
  set_arrow(Arrow::Right);
  con.answer(1);
  Take_Pickaxe();
  EXPECT_EQ(Game.y, 15);
  EXPECT_EQ(Game.x, 3);
  EXPECT_EQ(Game.pick, 1);
  EXPECT_EQ(Game.square(15, 2), ' ');
  EXPECT_EQ(Game.square(15, 3), '@');
}

// The door of area 1's house stands at (8, 34): the player jumps over it, the door stays.
TEST_F(Door_Test, DoorTakesThePlayerInAndOutWithoutAWord) {
  Game.set_square(7, 34, ' ');
  Game.set_square(8, 34, 'D');
  place_player(9, 34);

  set_arrow(Arrow::Up);
  Door_Action();
  EXPECT_EQ(Game.y, 7);
  EXPECT_EQ(Game.x, 34);
  EXPECT_EQ(Game.square(7, 34), '@');
  EXPECT_EQ(Game.square(8, 34), 'D');
  EXPECT_EQ(Game.square(9, 34), ' ');

  set_arrow(Arrow::Down);
  Door_Action();
  EXPECT_EQ(Game.y, 9);
  EXPECT_EQ(Game.x, 34);
  EXPECT_EQ(Game.square(7, 34), ' ');
  EXPECT_EQ(Game.square(8, 34), 'D');
  EXPECT_EQ(Game.square(9, 34), '@');

  EXPECT_EQ(con.output(), "");
  EXPECT_EQ(con.typed_left(), "");
}

// The square beyond a door is not tested: whatever it held, the player lands on it.
TEST_F(Door_Test, DoorLandsOnTheSquareBeyondWhateverItHeld) {
  Game.set_square(5, 20, 'D');
  Game.set_square(4, 20, 'T');
  place_player(6, 20);
  set_arrow(Arrow::Up);
  Door_Action();
  EXPECT_EQ(Game.y, 4);
  EXPECT_EQ(Game.square(4, 20), '@');
  EXPECT_EQ(Game.square(5, 20), 'D');
}

}  // namespace
}  // namespace fm
