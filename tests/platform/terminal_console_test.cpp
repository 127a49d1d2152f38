#include "platform/terminal_console.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace fm {
namespace {

bool same_settings(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// A terminal console on the far side of a pseudo-terminal: the test types on the master side and
// reads there what the console shows.
class Terminal_Console_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    winsize size{};
    size.ws_row = 30;
    size.ws_col = 80;
    ASSERT_EQ(openpty(&master_, &slave_, nullptr, nullptr, &size), 0);
    fcntl(master_, F_SETFL, O_NONBLOCK);
    ASSERT_EQ(tcgetattr(slave_, &before_), 0);
    con = std::make_unique<Terminal_Console>(slave_, slave_);
  }
  void TearDown() override {
    con.reset();
    close(slave_);
    close(master_);
  }

  void type(std::string_view bytes) {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // What the console has shown since the last call (line ends as the terminal sends them).
  std::string shown() {
    std::string text;
    char chunk[4096];
    for (ssize_t n; (n = ::read(master_, chunk, sizeof chunk)) > 0;) {
      text.append(chunk, static_cast<std::size_t>(n));
    }
    return text;
  }
  // What the game showed after a key wait. A key typed while the terminal was still in line mode
  // (right after an answer) is echoed by the terminal itself before the game takes it; that echo
  // is not the game's output.
  std::string shown_after_key(std::string_view key) {
    std::string text = shown();
    if (text.starts_with(key)) text.erase(0, key.size());
    return text;
  }
  termios settings() {
    termios now{};
    EXPECT_EQ(tcgetattr(slave_, &now), 0);
    return now;
  }
  std::vector<Key> pressed() {
    std::vector<Key> keys;
    for (int k = 0; k < Key_Count; ++k) {
      if (con->was_pressed(static_cast<Key>(k))) keys.push_back(static_cast<Key>(k));
    }
    return keys;
  }

  int master_ = -1;
  int slave_ = -1;
  termios before_{};
  std::unique_ptr<Terminal_Console> con;
};

TEST_F(Terminal_Console_Test, KeysAlreadyWaitingCountAsPressedInTheSamePass) {
  type("\x1b[B\x1b[Cq");
  con->wait_for_key();
  EXPECT_EQ(pressed(), (std::vector<Key>{Key::Down, Key::Right, Key::Q}));
  // The next pass starts afresh.
  type("\x1bOD");
  con->wait_for_key();
  EXPECT_EQ(pressed(), std::vector<Key>{Key::Left});
}

TEST_F(Terminal_Console_Test, ALoneEscIsEscOnceItsTimeoutHasPassed) {
  type("\x1b");
  con->wait_for_key();
  EXPECT_EQ(pressed(), std::vector<Key>{Key::Esc});
}

TEST_F(Terminal_Console_Test, KeyWaitsAreRawWithSignalsOnAndAnswersAreTypedInLineMode) {
  type("x");
  con->wait_for_key();
  EXPECT_TRUE(pressed().empty());
  const termios raw = settings();
  EXPECT_EQ(raw.c_lflag & (ICANON | ECHO), 0u);
  EXPECT_NE(raw.c_lflag & ISIG, 0u) << "Ctrl-C and Ctrl-Z must keep working";

  type("42\n");
  EXPECT_EQ(con->read_number(), 42);
  const termios line = settings();
  EXPECT_EQ(line.c_lflag & (ICANON | ECHO), ICANON | ECHO);
}

TEST_F(Terminal_Console_Test, TheRestOfATypedLineIsNotTakenForKeys) {
  type("Bob x\n");
  EXPECT_EQ(con->read_word(), "Bob");
  type("w");
  con->wait_for_key();
  EXPECT_EQ(pressed(), std::vector<Key>{Key::W});
  EXPECT_EQ(con->read_word(), "x");
}

TEST_F(Terminal_Console_Test, EndOfInputTypedAtAnAnswerEndsTheGame) {
  type("\x04");
  EXPECT_THROW(con->read_number(), End_Of_Input);
}

TEST_F(Terminal_Console_Test, FramesAreDrawnOnTheAlternateScreenInPlaceWhenTheyFit) {
  con->write("menu\n");
  type("1\n");
  EXPECT_EQ(con->read_number(), 1);
  shown();

  con->clear_screen();
  con->write("short frame\n");
  type("q");
  con->wait_for_key();
  EXPECT_EQ(shown_after_key("q"), "\x1b[?1049h\x1b[Hshort frame\x1b[K\r\n\x1b[J");

  con->clear_screen();
  con->write(std::string(40, '\n'));
  type("q");
  con->wait_for_key();
  const std::string tall = shown_after_key("q");
  EXPECT_EQ(tall.rfind("\x1b[H\x1b[2J", 0), 0u) << "a frame taller than the screen clears first";
  EXPECT_EQ(tall.find("\x1b[?1049h"), std::string::npos) << "the alternate screen is entered once";
}

TEST_F(Terminal_Console_Test, TextWipedByAClearBeforeItWasShownIsNeverSent) {
  con->clear_screen();
  con->write("first\n");
  con->clear_screen();
  con->write("second\n");
  con->flush();
  const std::string out = shown();
  EXPECT_EQ(out.find("first"), std::string::npos);
  EXPECT_NE(out.find("second"), std::string::npos);
}

TEST_F(Terminal_Console_Test, EndingTheConsolePutsTheTerminalBackAsItWas) {
  con->clear_screen();
  con->write("frame\n");
  type("q");
  con->wait_for_key();
  EXPECT_FALSE(same_settings(settings(), before_));
  con->clear_screen();
  con->write("unsent frame\n");
  con.reset();
  EXPECT_TRUE(same_settings(settings(), before_));
  const std::string out = shown();
  const std::string leave = "\x1b[?1049l";
  ASSERT_GE(out.size(), leave.size());
  EXPECT_EQ(out.substr(out.size() - leave.size()), leave) << "the alternate screen is left last";
}

}  // namespace
}  // namespace fm
