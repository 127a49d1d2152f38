// One whole game played through the real executable in stream mode: take the three tools,
// gather, light a fire and cook on it, bank an ore, save, and load the game in a new run.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <queue>
#include <sstream>

#include "e2e/game_process.h"
#include "world/templates.h"

namespace fm::e2e {
namespace {

using Square = std::pair<int, int>;  // (row, column)

constexpr std::string_view Down = "\x1b[B";
constexpr std::string_view Up = "\x1b[A";
constexpr std::string_view Right = "\x1b[C";
constexpr std::string_view Left = "\x1b[D";

// The arrows that walk from `from` to `to` over open ground of a template (breadth first).
std::string Walk(Map_Template map, Square from, Square to) {
  const Template_Rows& rows = Template_Data(map);
  auto open = [&](Square s) {
    const auto [row, column] = s;
    if (row < 0 || row >= Field_Rows || column < 0) return false;
    const std::string_view line = rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= line.size()) return false;
    return line[static_cast<std::size_t>(column)] == ' ' ||
           line[static_cast<std::size_t>(column)] == '@';
  };
  const std::array<std::pair<Square, std::string_view>, 4> steps = {
      {{{1, 0}, Down}, {{-1, 0}, Up}, {{0, 1}, Right}, {{0, -1}, Left}}};
  std::map<Square, std::pair<Square, std::string_view>> came_from;
  std::queue<Square> frontier;
  frontier.push(from);
  came_from[from] = {from, ""};
  while (!frontier.empty()) {
    const Square here = frontier.front();
    frontier.pop();
    if (here == to) break;
    for (const auto& [step, key] : steps) {
      const Square next{here.first + step.first, here.second + step.second};
      if (!open(next) || came_from.contains(next)) continue;
      came_from[next] = {here, key};
      frontier.push(next);
    }
  }
  EXPECT_TRUE(came_from.contains(to)) << "no way to (" << to.first << ", " << to.second << ")";
  std::string keys;
  for (Square at = to; at != from; at = came_from[at].first) {
    keys.insert(0, came_from[at].second);
  }
  return keys;
}

std::vector<std::string> Lines_Of(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Play_Through, ToolsGatheringFireCookingBankSaveAndLoad) {
  Temp_Dir dir;
  std::string script = "1\nAnn\n2\n";  // a new character who declines the gamble
  // Area 1: the pick axe at (15, 3), then the exit forward at (18, 2).
  script += Walk(Map_Template::River_Map, {1, 1}, {15, 2});
  script += std::string(Right) + "1\n";
  script += Walk(Map_Template::River_Map_Taken, {15, 3}, {17, 2}) + std::string(Down);
  // Area 2: the axe at (3, 40), one copper from the rock at (2, 31), the exit at (18, 41).
  script += Walk(Map_Template::Quarry_Map, {1, 1}, {2, 40}) + std::string(Down) + "1\n";
  script += Walk(Map_Template::Quarry_Map_Taken, {3, 40}, {1, 31}) + std::string(Down) + "1\n1\n";
  script += Walk(Map_Template::Quarry_Map_Taken, {1, 31}, {17, 41}) + std::string(Down);
  // Area 3: the fishing pole at (7, 18), a log from the tree at (8, 30), a minnow from the pond
  // at (10, 22); a fire lit above the player, a minnow cooked on it; then on to area 4.
  script += Walk(Map_Template::Pond_Map, {1, 1}, {7, 17}) + std::string(Right) + "1\n";
  script += Walk(Map_Template::Pond_Map_Taken, {7, 18}, {8, 29}) + std::string(Right) + "1\n1\n";
  script += Walk(Map_Template::Pond_Map_Taken, {8, 29}, {10, 21}) + std::string(Right) + "1\n1\n";
  script += "\t1\n1\n2\n";               // light a Wood fire on (9, 21)
  script += std::string(Up) + "2\n1\n";  // cook the minnow on it
  script += std::string(Up) + "1\n";     // put it out: the player steps onto (9, 21)
  script += Walk(Map_Template::Pond_Map_Taken, {9, 21}, {17, 41}) + std::string(Down);
  // Area 4: through the door at (18, 22) to the bank at (17, 23); deposit the copper; save, quit.
  script += Walk(Map_Template::Village_Map, {1, 1}, {19, 22}) + std::string(Up);
  script += std::string(Right) + "1\n1\n1\n1\n";
  script +=
      "\x1b"
      "1\n2\n";

  const Stream_Run first = run_through_pipes(dir, script, 60);
  ASSERT_EQ(describe(first.status), describe(Wait_Status{0})) << first.output;
  EXPECT_NE(first.output.find("You mine some copper."), std::string::npos);
  EXPECT_NE(first.output.find("You cut some Wood Logs."), std::string::npos);
  EXPECT_NE(first.output.find("You catch a Minnow."), std::string::npos);
  EXPECT_NE(first.output.find("You cook a Minnow."), std::string::npos);
  EXPECT_NE(first.output.find("How much Copper Ore would you like to deposite?"),
            std::string::npos);

  std::vector<std::string> expected = {"Ann", "4", "1", "1", "1"};
  for (int skill = 0; skill < 5; ++skill) {
    // Fishing, Woodcutting, Mining, Firemaking, Cooking: one action each, 1 or 2 experience.
    expected.insert(expected.end(), {"1", "1", "8"});
  }
  std::vector<std::string> counters(63 + 64, "0");
  counters[33 - 1] = "1";      // Cooked_Minnow is line 53, the 33rd counter
  counters[63 + 2 - 1] = "1";  // B_Copper_Ore, the second bank counter
  expected.insert(expected.end(), counters.begin(), counters.end());
  expected.insert(expected.end(), {"27", "2799"});
  EXPECT_EQ(Lines_Of(dir.path() / "Save.txt"), expected);

  // A new run loads the game and shows it in the panels.
  const Stream_Run second = run_through_pipes(dir,
                                              "2\nqwe\x1b"
                                              "2\n",
                                              10);
  ASSERT_EQ(describe(second.status), describe(Wait_Status{0})) << second.output;
  const std::string last_frame = second.output.substr(second.output.rfind("\x1b[H\x1b[2J"));
  for (const char* shown :
       {"Ann\n", "You have a Pick Axe\nYou have a Fishing Pole\nYou have an Axe\n",
        "You have: 1 Cooked Minnow\n", "You have: 27 inventory spaces free\n",
        "Mining Level: 1  Till next level: 1/8\n", "Cooking Level: 1  Till next level: 1/8\n",
        "Position X, 1, Position Y, 1\n", "Area #4\n"}) {
    EXPECT_NE(second.output.find(shown), std::string::npos) << shown;
  }
  EXPECT_NE(last_frame.find("Would you like to save the game?"), std::string::npos);
}

}  // namespace
}  // namespace fm::e2e
