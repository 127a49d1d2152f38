// The stream console on Windows: the same byte protocol as on POSIX through the C runtime's
// binary-mode descriptors, so CR LF from a Windows script is skipped like LF, nothing is
// translated on the way out, and Ctrl-Z is a byte rather than the end of the input.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/stream_console.h"
#include "platform/wall_clock.h"

namespace fm {
namespace {

class Stream_Console_Windows_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(_pipe(input_, 1 << 16, _O_BINARY), 0);
    ASSERT_EQ(_pipe(output_, 1 << 16, _O_BINARY), 0);
    con = std::make_unique<Stream_Console>(input_[0], output_[1]);
  }
  void TearDown() override {
    con.reset();
    for (int fd : {input_[0], input_[1], output_[0], output_[1]}) {
      if (fd >= 0) _close(fd);
    }
  }

  void type(std::string_view bytes) {
    ASSERT_EQ(_write(input_[1], bytes.data(), static_cast<unsigned>(bytes.size())),
              static_cast<int>(bytes.size()));
  }
  void end_input() {
    _close(input_[1]);
    input_[1] = -1;
  }
  // What the console has written so far (the write end is closed first, so this reads to the end).
  std::string written() {
    con.reset();
    _close(output_[1]);
    output_[1] = -1;
    std::string got;
    char block[4096];
    for (int n; (n = _read(output_[0], block, sizeof block)) > 0;) got.append(block, n);
    return got;
  }
  std::optional<Key> pressed_key() {
    std::optional<Key> found;
    for (int k = 0; k < Key_Count; ++k) {
      if (con->was_pressed(static_cast<Key>(k))) found = static_cast<Key>(k);
    }
    return found;
  }

  int input_[2] = {-1, -1};
  int output_[2] = {-1, -1};
  std::unique_ptr<Stream_Console> con;
};

TEST_F(Stream_Console_Windows_Test, CrLfScriptsReadLikeLfScripts) {
  type(
      "1\r\nAnn\r\n2\r\n\x1b[B\r\n\x1b[C\r\nq\r\n\x1b"
      "2\r\n");
  end_input();
  EXPECT_EQ(con->read_number(), 1);
  EXPECT_EQ(con->read_word(), "Ann");
  EXPECT_EQ(con->read_number(), 2);
  con->wait_for_key();
  EXPECT_EQ(pressed_key(), Key::Down);
  con->wait_for_key();
  EXPECT_EQ(pressed_key(), Key::Right);
  con->wait_for_key();
  EXPECT_EQ(pressed_key(), Key::Q);
  con->wait_for_key();
  EXPECT_EQ(pressed_key(), Key::Esc);
  EXPECT_EQ(con->read_number(), 2);
  EXPECT_THROW(con->wait_for_key(), End_Of_Input);
}

TEST_F(Stream_Console_Windows_Test, CtrlZIsAKeyAndNotTheEndOfInput) {
  type("\x1a\t");
  end_input();
  con->wait_for_key();
  EXPECT_EQ(pressed_key(), std::nullopt);
  con->wait_for_key();
  EXPECT_EQ(pressed_key(), Key::Tab);
  EXPECT_THROW(con->read_number(), End_Of_Input);
}

TEST_F(Stream_Console_Windows_Test, OutputBytesPassUntranslated) {
  type("5\n");
  con->clear_screen();
  con->write("row 1\nrow 2\n\x1a end\n");
  EXPECT_EQ(con->read_number(), 5);
  con->write("after");
  EXPECT_EQ(written(), "\x1b[H\x1b[2Jrow 1\nrow 2\n\x1a end\nafter");
}

TEST_F(Stream_Console_Windows_Test, OutputThatNobodyReadsEndsTheGame) {
  _close(output_[0]);
  output_[0] = -1;
  con->write("frame");
  EXPECT_THROW(con->wait_for_key(), End_Of_Input);
}

double cpu_seconds() {
  FILETIME created{}, ended{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  const auto ticks = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime);
  };
  return (ticks(kernel) + ticks(user)) / 1e7;
}

TEST(Wall_Clock_Windows, TellsTheSecondsOfTimeAndSleepsWithoutSpinning) {
  const std::int64_t now = wall_clock_seconds();
  EXPECT_LE(std::abs(now - static_cast<std::int64_t>(std::time(nullptr))), 1);
  const std::int64_t target = now + 1;
  const double cpu_before = cpu_seconds();
  sleep_until_second(target);
  EXPECT_GE(wall_clock_seconds(), target);
  EXPECT_LT(cpu_seconds() - cpu_before, 0.2);  // a busy loop would burn about a second
  sleep_until_second(target - 5);              // a second gone by already: returns at once
}

}  // namespace
}  // namespace fm
