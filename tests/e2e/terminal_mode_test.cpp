// The game on a pseudo-terminal: every road out leaves the terminal's settings as they were and
// the player back on the normal screen. Normal roads exit with status 0; a game ended by SIGINT,
// SIGTERM or SIGHUP dies of that signal, as a program without handlers would.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>

#include "game_process.h"

namespace fm::e2e {
namespace {

constexpr std::string_view Enter_Alternate = "\x1b[?1049h";
constexpr std::string_view Leave_Alternate = "\x1b[?1049l";
constexpr std::string_view Frame_End = "Press Tab for actions";
constexpr std::string_view Save_Question = "Would you like to save the game? 1 Yes, save, 2 No";

bool exited_zero(const Wait_Status& status) {
  return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}
bool killed_by(const Wait_Status& status, int signal_number) {
  return status && WIFSIGNALED(*status) && WTERMSIG(*status) == signal_number;
}
bool raw_keys(const termios& t) {
  return (t.c_lflag & (ICANON | ECHO)) == 0 && (t.c_lflag & ISIG) != 0;
}
bool line_mode(const termios& t) {
  return (t.c_lflag & (ICANON | ECHO)) == (ICANON | ECHO);
}

// The screen is back to normal: the alternate screen was entered and left after its last entry.
void expect_left_alternate_screen(const std::string& out) {
  const std::size_t entered = out.rfind(Enter_Alternate);
  ASSERT_NE(entered, std::string::npos) << "the game never drew on the alternate screen";
  EXPECT_NE(out.find(Leave_Alternate, entered), std::string::npos)
      << "the alternate screen was not left";
}

class Terminal_Mode : public ::testing::Test {
 protected:
  // Starts a new character and waits for the first frame's key wait.
  void start_playing() {
    ASSERT_TRUE(game.wait_for(" Make your choice: ")) << game.output();
    game.send("1\n");
    ASSERT_TRUE(game.wait_for("What is your name?"));
    game.send("Tester\n");
    ASSERT_TRUE(game.wait_for("Do you like gambeling?"));
    game.send("2\n");
    ASSERT_TRUE(game.wait_for(Frame_End)) << game.output();
    ASSERT_TRUE(game.wait_for_settings(raw_keys)) << "key waits run in raw mode with ISIG on";
  }
  // Presses Esc in the main loop and waits for the save question, read in line mode.
  void open_save_question() {
    game.send("\x1b");
    ASSERT_TRUE(game.wait_for(Save_Question)) << game.output();
    ASSERT_TRUE(game.wait_for_settings(line_mode)) << "answers are typed with echo";
  }
  void expect_terminal_as_before() {
    EXPECT_EQ(settings_difference(game.settings(), game.settings_before()), "");
  }

  Temp_Dir dir;
  Pty_Game game{dir};
};

TEST_F(Terminal_Mode, QuittingThroughEscRestoresTheTerminalAndExitsZero) {
  start_playing();
  open_save_question();
  game.send("2\n");
  const Wait_Status status = game.wait_exit();
  EXPECT_TRUE(exited_zero(status)) << describe(status);
  expect_terminal_as_before();
  expect_left_alternate_screen(game.output());
}

TEST_F(Terminal_Mode, QuittingFromTheMenuChangesNothing) {
  ASSERT_TRUE(game.wait_for(" Make your choice: "));
  game.send("5\n");
  const Wait_Status status = game.wait_exit();
  EXPECT_TRUE(exited_zero(status)) << describe(status);
  expect_terminal_as_before();
  EXPECT_EQ(game.output().find("\x1b[?1049"), std::string::npos);
}

TEST_F(Terminal_Mode, EndOfInputTypedAtAnAnswerEndsTheGameWithStatusZero) {
  start_playing();
  open_save_question();
  game.send("\x04");  // Ctrl-D: the end of input in line mode
  const Wait_Status status = game.wait_exit();
  EXPECT_TRUE(exited_zero(status)) << describe(status);
  expect_terminal_as_before();
  expect_left_alternate_screen(game.output());
}

struct Signal_Case {
  const char* name;
  bool at_answer;  // false: during a key wait (raw mode); true: at the save question (line mode)
  int expected_signal;
  std::function<void(Pty_Game&)> deliver;
};

void kill_with(Pty_Game& game, int signal_number) {
  kill(game.pid(), signal_number);
}

const Signal_Case Signal_Cases[] = {
    {"Ctrl-C typed at a key wait", false, SIGINT, [](Pty_Game& g) { g.send("\x03"); }},
    {"SIGINT at a key wait", false, SIGINT, [](Pty_Game& g) { kill_with(g, SIGINT); }},
    {"SIGTERM at a key wait", false, SIGTERM, [](Pty_Game& g) { kill_with(g, SIGTERM); }},
    {"SIGHUP at a key wait", false, SIGHUP, [](Pty_Game& g) { kill_with(g, SIGHUP); }},
    {"Ctrl-C typed at an answer", true, SIGINT, [](Pty_Game& g) { g.send("\x03"); }},
    {"SIGTERM at an answer", true, SIGTERM, [](Pty_Game& g) { kill_with(g, SIGTERM); }},
};

TEST(Terminal_Mode_Signals, EveryEndingSignalRestoresTheTerminalAndEndsWithThatSignal) {
  for (const Signal_Case& c : Signal_Cases) {
    SCOPED_TRACE(c.name);
    Temp_Dir dir;
    Pty_Game game(dir);
    ASSERT_TRUE(game.wait_for(" Make your choice: "));
    game.send("1\n");
    ASSERT_TRUE(game.wait_for("What is your name?"));
    game.send("Tester\n");
    ASSERT_TRUE(game.wait_for("Do you like gambeling?"));
    game.send("2\n");
    ASSERT_TRUE(game.wait_for(Frame_End));
    ASSERT_TRUE(game.wait_for_settings(raw_keys));
    if (c.at_answer) {
      game.send("\x1b");
      ASSERT_TRUE(game.wait_for(Save_Question));
      ASSERT_TRUE(game.wait_for_settings(line_mode));
    }
    c.deliver(game);
    const Wait_Status status = game.wait_exit();
    EXPECT_TRUE(killed_by(status, c.expected_signal)) << describe(status);
    EXPECT_EQ(settings_difference(game.settings(), game.settings_before()), "");
    expect_left_alternate_screen(game.output());
  }
}

TEST_F(Terminal_Mode, AHangUpEndsTheGame) {
  start_playing();
  game.hang_up();
  const Wait_Status status = game.wait_exit();
  // The hang-up's SIGHUP, or the end of input it causes, whichever reaches the game first.
  EXPECT_TRUE(killed_by(status, SIGHUP) || exited_zero(status)) << describe(status);
}

TEST_F(Terminal_Mode, CtrlZStopsWithTheTerminalRestoredAndPlayGoesOnAfterSigcont) {
  start_playing();
  game.mark();
  game.send("\x1a");  // Ctrl-Z
  ASSERT_TRUE(game.wait_stopped()) << "the game did not stop";
  expect_terminal_as_before();
  EXPECT_TRUE(game.wait_for(Leave_Alternate, 1)) << "the shell's screen comes back while stopped";

  game.mark();
  const std::size_t resumed_at = game.output().size();
  kill(game.pid(), SIGCONT);
  ASSERT_TRUE(game.wait_continued());
  EXPECT_TRUE(game.wait_for_settings(raw_keys)) << "the key wait's raw mode comes back";
  EXPECT_TRUE(game.wait_for(Enter_Alternate)) << "the alternate screen comes back";
  EXPECT_EQ(game.output().find(Frame_End, resumed_at), std::string::npos)
      << "nothing is redrawn until the next frame";

  // Play goes on: an arrow draws the next frame, and Esc quits as usual.
  game.mark();
  game.send("\x1b[C");
  ASSERT_TRUE(game.wait_for(Frame_End)) << game.output();
  open_save_question();
  game.send("2\n");
  const Wait_Status status = game.wait_exit();
  EXPECT_TRUE(exited_zero(status)) << describe(status);
  expect_terminal_as_before();
  expect_left_alternate_screen(game.output());
}

}  // namespace
}  // namespace fm::e2e
