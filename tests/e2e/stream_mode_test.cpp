// The game driven through plain pipes, the way scripts and tools play it.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "game_process.h"
#include "support/game_texts.h"

namespace fm::e2e {
namespace {

const std::string Menu(testing::Menu_Text);
const std::string Clear = "\x1b[H\x1b[2J";
const std::string Save_Question(testing::Save_Question);
// A new character named Bob who declines the gamble, then the first frame's key wait.
const std::string New_Game = "1\nBob\n2\n";

bool exited_zero(const Wait_Status& status) {
  return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST(Stream_Mode, MenuAnswersThatEndTheProgramShowOnlyTheTenMenuLines) {
  for (const char* answer : {"5\n", "3\n", "4\n", "9\n", "5"}) {
    SCOPED_TRACE(answer);
    Temp_Dir dir;
    const Stream_Run run = run_through_pipes(dir, answer);
    EXPECT_TRUE(exited_zero(run.status)) << describe(run.status);
    EXPECT_EQ(run.output, Menu);
  }
}

TEST(Stream_Mode, EndOfInputAtTheMenuExitsWithStatusZero) {
  Temp_Dir dir;
  const Stream_Run run = run_through_pipes(dir, "");
  EXPECT_TRUE(exited_zero(run.status)) << describe(run.status);
  EXPECT_EQ(run.output, Menu);
}

TEST(Stream_Mode, EndOfInputInTheMainLoopExitsWithStatusZero) {
  Temp_Dir dir;
  const Stream_Run run = run_through_pipes(dir, New_Game);
  EXPECT_TRUE(exited_zero(run.status)) << describe(run.status);
  EXPECT_NE(run.output.find("Press Tab for actions"), std::string::npos);
}

TEST(Stream_Mode, APlayerWalksAndQuitsThroughEscWithoutSaving) {
  Temp_Dir dir;
  // Right, then a lone Esc (followed by a line end, which is no sequence), then "2" quits.
  const Stream_Run run = run_through_pipes(dir, New_Game + "\x1b[C\x1b\n2\n");
  EXPECT_TRUE(exited_zero(run.status)) << describe(run.status);
  const std::string& out = run.output;
  ASSERT_EQ(out.rfind(Menu, 0), 0u);
  // The welcome, the gamble question, two frames and the save question: each after a clear.
  EXPECT_EQ(count(out, Clear), 5u);
  EXPECT_EQ(count(out, "Press Tab for actions"), 2u);
  EXPECT_NE(out.find(Clear + Save_Question), std::string::npos);
  EXPECT_EQ(out.find("\x1b[?1049"), std::string::npos) << "no alternate screen on a stream";
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Save.txt"));
}

TEST(Stream_Mode, AGameSavedAtTheEscPromptLoadsAgain) {
  Temp_Dir dir;
  const Stream_Run saved = run_through_pipes(dir, New_Game +
                                                      "\x1b[C\x1b"
                                                      "1\n2\n");
  EXPECT_TRUE(exited_zero(saved.status)) << describe(saved.status);
  std::ifstream file(dir.path() / "Save.txt");
  std::string first_line;
  std::getline(file, first_line);
  EXPECT_EQ(first_line, "Bob");
  std::size_t lines = 1;
  for (std::string line; std::getline(file, line);) ++lines;
  EXPECT_EQ(lines, 149u);

  const Stream_Run loaded = run_through_pipes(dir,
                                              "2\n\x1b"
                                              "2\n");
  EXPECT_TRUE(exited_zero(loaded.status)) << describe(loaded.status);
  EXPECT_NE(loaded.output.find("\nBob\n"), std::string::npos) << loaded.output;
}

}  // namespace
}  // namespace fm::e2e
