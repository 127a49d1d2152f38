// The text form of the save: the order of the 149 lines, the writer's exact output and the
// reader's handling of white space, names and damaged text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/player_name.h"
#include "sample_games.h"
#include "save/save_file.h"

namespace fm {
namespace {

using testing::distinct_game;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the text must end with a line end";
  return lines;
}

// The first `count` values of `text` (as written by save_text), one per line.
std::string first_values(const std::string& text, std::size_t count) {
  std::string head;
  const std::vector<std::string> lines = lines_of(text);
  for (std::size_t n = 0; n < count; ++n) head += lines[n] + "\n";
  return head;
}

TEST(Save_Text, FreshCharacterWritesTheDocumentedLines) {
  Game_State state;
  state.Player_Name = Clean_Name("Hero");
  std::string expected = "Hero\n1\n0\n0\n0\n";
  for (int skill = 0; skill < 5; ++skill) expected += "1\n0\n8\n";
  for (int counter = 0; counter < 127; ++counter) expected += "0\n";
  expected += "28\n2800\n";
  EXPECT_EQ(save_text(state), expected);
}

// Sets every saved field by its own name to the number of its line, so the written text must
// count 2, 3, ... 149; a field on the wrong line breaks the count.
TEST(Save_Text, EveryFieldStandsOnItsLine) {
  Game_State state;
  state.Player_Name = Clean_Name("Ordered");
  std::int32_t line = 2;
  state.Level_Sel = line++;
  state.pick = line++;
  state.pole = line++;
  state.axe = line++;
  for (const Skill skill :
       {Skill::Fishing, Skill::Woodcutting, Skill::Mining, Skill::Firemaking, Skill::Cooking}) {
    state.skill(skill).Level = line++;
    state.skill(skill).Skill = line++;
    state.skill(skill).Skill_M = line++;
  }
  for (int item = Copper_Ore; item < Item_Count; ++item) state.Inventory[item] = line++;
  for (int item = Rune_Essence; item < Item_Count; ++item) state.B[item] = line++;
  state.total = line++;
  state.bank = line++;
  ASSERT_EQ(line, 150);
  // Fields the file does not hold must not appear in it.
  state.Inventory[Rune_Essence] = -77;
  state.skill(Skill::Health) = {-1, -2, -3};
  state.skill(Skill::Attack) = {-4, -5, -6};
  state.skill(Skill::Defence) = {-7, -8, -9};

  const std::vector<std::string> lines = lines_of(save_text(state));
  ASSERT_EQ(lines.size(), 149u);
  EXPECT_EQ(lines[0], "Ordered");
  for (std::size_t n = 1; n < lines.size(); ++n) {
    EXPECT_EQ(lines[n], std::to_string(n + 1)) << "line " << n + 1;
  }
}

TEST(Save_Text, RoundTripRestoresEveryFieldNegativesAndLimitsIncluded) {
  const Game_State saved = distinct_game("Wanderer");
  const std::string text = save_text(saved);
  EXPECT_NE(text.find("\n-2147483648\n"), std::string::npos);
  EXPECT_NE(text.find("\n2147483647\n"), std::string::npos);

  Game_State loaded;
  load_text(text, loaded);
  EXPECT_EQ(loaded, saved);
}

TEST(Load_Text, LeavesTheFieldsTheFileDoesNotHold) {
  Game_State state;
  state.x = 7;
  state.y = 9;
  state.money = -50;
  state.Health = 33;
  state.Inventory[Rune_Essence] = 4;
  state.skill(Skill::Attack) = {5, 6, 7};
  state.Show_Item = 1;
  state.Menu = 2;
  state.set_square(3, 4, 'M');
  Game_State expected = distinct_game();
  expected.x = 7;
  expected.y = 9;
  expected.money = -50;
  expected.Health = 33;
  expected.Inventory[Rune_Essence] = 4;
  expected.skill(Skill::Attack) = {5, 6, 7};
  expected.Show_Item = 1;
  expected.Menu = 2;
  expected.set_square(3, 4, 'M');

  load_text(save_text(distinct_game()), state);
  EXPECT_EQ(state, expected);
}

// The reader separates values by any white space, so other layouts of the same values load alike.
TEST(Load_Text, AnyWhiteSpaceSeparatesValues) {
  const Game_State saved = distinct_game("Spacey");
  const std::string text = save_text(saved);
  std::string one_line;
  std::string windows;
  std::string ragged = "\n\n  ";
  for (const std::string& line : lines_of(text)) {
    one_line += line + " ";
    windows += line + "\r\n";
    ragged += "\t" + line + " \n\n";
  }
  one_line.pop_back();  // no line end at all after the last value
  for (const std::string& layout : {one_line, windows, ragged}) {
    Game_State loaded;
    load_text(layout, loaded);
    EXPECT_EQ(loaded, saved) << layout;
  }
}

TEST(Load_Text, IgnoresWhatFollowsThe149thValue) {
  const Game_State saved = distinct_game();
  Game_State loaded;
  load_text(save_text(saved) + "stale tail 12345\n", loaded);
  EXPECT_EQ(loaded, saved);
}

// A number ends where its digits end, so a sign right after it begins the next value.
TEST(Load_Text, NumbersRunTogetherReadAsSeparateValues) {
  Game_State state;
  load_text("Bo 3-4+5", state);
  EXPECT_EQ(state.Level_Sel, 3);
  EXPECT_EQ(state.pick, -4);
  EXPECT_EQ(state.pole, 5);
  EXPECT_EQ(state.axe, Game_State{}.axe);
}

TEST(Load_Text, AcceptsSignsAndLeadingZeros) {
  Game_State state;
  load_text("Bo +7 -0 007 -0012", state);
  EXPECT_EQ(state.Level_Sel, 7);
  EXPECT_EQ(state.pick, 0);
  EXPECT_EQ(state.pole, 7);
  EXPECT_EQ(state.axe, -12);
}

// A damaged value stops the reading: the values before it come from the file, it and all later
// fields keep what they held. Damage that begins with a number is read up to where the number
// ends: its field takes that number, and the reading stops at the next field.
struct Damage_Case {
  const char* label;
  std::size_t good_values;  // how many values (the name included) stand before the damage
  std::string damage;       // what stands in place of the next value ("" = the text ends)
  std::optional<std::int32_t> leading{};  // the number the damage begins with, if any
};

class Damaged_Text : public ::testing::TestWithParam<Damage_Case> {};

TEST_P(Damaged_Text, KeepsTheFileValuesBeforeTheDamageOnly) {
  const Damage_Case& c = GetParam();
  const Game_State file_game = distinct_game("FromFile", 1);
  const Game_State current = distinct_game("Current", 2);
  std::string text = first_values(save_text(file_game), c.good_values);
  // Good values after the damage must not be read either.
  if (!c.damage.empty()) text += c.damage + "\n5\n6\n7\n";

  Game_State state = current;
  load_text(text, state);

  if (c.good_values >= 1) {
    EXPECT_EQ(Name_Text(state.Player_Name), "FromFile");
  } else {
    EXPECT_EQ(Name_Text(state.Player_Name), "Current");
  }
  for (std::size_t n = 1; n < Save_Line_Count; ++n) {
    const Game_State& source = n < c.good_values ? file_game : current;
    const std::int32_t expected =
        n == c.good_values && c.leading ? *c.leading : number_of(source, Save_Lines[n]);
    EXPECT_EQ(number_of(state, Save_Lines[n]), expected) << "line " << n + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Damaged_Text,
    ::testing::Values(Damage_Case{"EmptyText", 0, ""}, Damage_Case{"EndAfterName", 1, ""},
                      Damage_Case{"EndHalfway", 60, ""}, Damage_Case{"EndBeforeLast", 148, ""},
                      Damage_Case{"Word", 1, "one"},
                      Damage_Case{"DigitsThenLetters", 20, "12abc", 12},
                      Damage_Case{"Fraction", 30, "1.5", 1},
                      Damage_Case{"AboveRange", 84, "2147483648"},
                      Damage_Case{"BelowRange", 100, "-2147483649"},
                      Damage_Case{"Huge", 147, "99999999999999999999"},
                      Damage_Case{"SignAlone", 2, "-"}, Damage_Case{"DoubleSign", 3, "--3"},
                      Damage_Case{"PlusMinus", 4, "+-3"}, Damage_Case{"Hex", 5, "0x10", 0},
                      Damage_Case{"NulByte", 6, std::string("4\0", 2) + "2", 4}),
    [](const auto& info) { return std::string(info.param.label); });

struct Name_Case {
  const char* label;
  std::string word;      // the first word of the file
  std::string expected;  // the name it loads as
};

class Loaded_Name : public ::testing::TestWithParam<Name_Case> {};

// The name is cleaned and cut to 15 characters, and the values after it still load from the
// right lines however long the word was.
TEST_P(Loaded_Name, IsCleanedAndLoadingGoesOn) {
  const Name_Case& c = GetParam();
  Game_State saved = distinct_game();
  std::string text = save_text(saved);
  text.replace(0, text.find('\n'), c.word);

  Game_State state;
  load_text(text, state);
  EXPECT_EQ(Name_Text(state.Player_Name), c.expected);
  saved.Player_Name = Clean_Name(c.expected);
  EXPECT_EQ(state, saved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Loaded_Name,
    ::testing::Values(Name_Case{"Fifteen", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO"},
                      Name_Case{"Sixteen", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNO"},
                      Name_Case{"VeryLong", std::string(5000, 'z'), std::string(15, 'z')},
                      Name_Case{"EscapeSequence",
                                "\x1b[2J\x1b]0;pwned\x07"
                                "Bob",
                                "[2J]0;pwnedBob"},
                      Name_Case{"Delete",
                                "Al\x7F"
                                "ice",
                                "Alice"},
                      Name_Case{"OnlyControls", "\x01\x02\x1b", ""},
                      Name_Case{"LongAfterCleaning",
                                "\x01"
                                "ABCDEFGHIJKLMNOPQRS",
                                "ABCDEFGHIJKLMNO"},
                      Name_Case{"Utf8", "Bj\xC3\xB6rn", "Bj\xC3\xB6rn"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Save_Text, EmptyNameRoundTrips) {
  Game_State saved = distinct_game();
  saved.Player_Name = {};
  const std::string text = save_text(saved);
  // Never an empty first line: the reader skips blank lines, so one would shift every value.
  EXPECT_EQ(text.substr(0, 2), "\x7F\n");

  Game_State state = distinct_game("Previous", 3);
  load_text(text, state);
  EXPECT_EQ(state, saved);
}

// A name set without cleaning must still come out as one word the reader can read back: a blank
// or a line end inside it would push every later value onto the wrong line.
TEST(Save_Text, WritesTheNameAsOneWord) {
  Game_State saved = distinct_game();
  const char raw[Name_Capacity] = "Sir \nBob\t\x1b!";
  std::copy(std::begin(raw), std::end(raw), saved.Player_Name.begin());
  const std::string text = save_text(saved);
  EXPECT_EQ(lines_of(text).size(), 149u);
  EXPECT_EQ(lines_of(text)[0], "SirBob!");

  Game_State loaded;
  load_text(text, loaded);
  saved.Player_Name = Clean_Name("SirBob!");
  EXPECT_EQ(loaded, saved);
}

}  // namespace
}  // namespace fm
