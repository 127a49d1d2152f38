#include "platform/stream_console.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fm {
namespace {

// A stream console between a pipe (what the player's script types) and a packet socket (what the
// game writes), so each write(2) the console makes arrives as one packet of its own.
class Stream_Console_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(pipe(input_), 0);
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, output_), 0);
    fcntl(output_[0], F_SETFL, O_NONBLOCK);
    con = std::make_unique<Stream_Console>(input_[0], output_[1]);
  }
  void TearDown() override {
    con.reset();
    for (int fd : {input_[0], input_[1], output_[0], output_[1]}) {
      if (fd >= 0) close(fd);
    }
  }

  void type(std::string_view bytes) {
    ASSERT_EQ(::write(input_[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  void end_input() {
    close(input_[1]);
    input_[1] = -1;
  }
  // Every write(2) the console has made so far, one string each.
  std::vector<std::string> writes() {
    std::vector<std::string> got;
    char packet[65536];
    for (ssize_t n; (n = ::read(output_[0], packet, sizeof packet)) > 0;) {
      got.emplace_back(packet, static_cast<std::size_t>(n));
    }
    return got;
  }
  // Which of the nine keys the last wait reported (empty: none of them), failing when more
  // than one was.
  std::optional<Key> pressed_key() {
    std::optional<Key> found;
    for (int k = 0; k < Key_Count; ++k) {
      if (con->was_pressed(static_cast<Key>(k))) {
        EXPECT_FALSE(found) << "more than one key pressed in one pass";
        found = static_cast<Key>(k);
      }
    }
    return found;
  }

  int input_[2] = {-1, -1};
  int output_[2] = {-1, -1};
  std::unique_ptr<Stream_Console> con;
};

struct Key_Case {
  const char* name;
  std::string bytes;
  std::vector<std::optional<Key>> waits;  // the key of each wait, then the input ends
};

const std::vector<Key_Case> Key_Cases = {
    {"cursor arrows", "\x1b[A\x1b[B\x1b[C\x1b[D", {Key::Up, Key::Down, Key::Right, Key::Left}},
    {"application arrows", "\x1bOA\x1bOB\x1bOC\x1bOD", {Key::Up, Key::Down, Key::Right, Key::Left}},
    {"tab and letters", "\tqQwWeE", {Key::Tab, Key::Q, Key::Q, Key::W, Key::W, Key::E, Key::E}},
    {"CR, LF and blanks are skipped before a key", "\r\n  \r\nq \n", {Key::Q}},
    {"any other byte is a key that is none of the nine",
     "x1\t",
     {std::nullopt, std::nullopt, Key::Tab}},
    {"esc before a letter leaves the letter for the next wait", "\x1bq", {Key::Esc, Key::Q}},
    {"esc bracket and an unknown letter: esc, then the rest one key each",
     "\x1b[Z",
     {Key::Esc, std::nullopt, std::nullopt}},
    {"esc O and a digit", "\x1bO5", {Key::Esc, std::nullopt, std::nullopt}},
    {"esc at the end of input", "\x1b", {Key::Esc}},
    {"esc bracket at the end of input", "\x1b[", {Key::Esc, std::nullopt}},
    {"two escs", "\x1b\x1b", {Key::Esc, Key::Esc}},
};

TEST_F(Stream_Console_Test, EachWaitTakesExactlyOneKey) {
  for (const Key_Case& c : Key_Cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    type(c.bytes);
    end_input();
    for (const std::optional<Key>& expected : c.waits) {
      con->wait_for_key();
      EXPECT_EQ(pressed_key(), expected);
    }
    EXPECT_THROW(con->wait_for_key(), End_Of_Input);
  }
}

TEST_F(Stream_Console_Test, NumbersWordsAndKeysShareOneStream) {
  type("  Bob 12\n7\n\x1b[Bq -4 word\n");
  end_input();
  EXPECT_EQ(con->read_word(), "Bob");
  EXPECT_EQ(con->read_number(), 12);
  EXPECT_EQ(con->read_number(), 7);
  con->wait_for_key();  // skips the line end left by the answer
  EXPECT_EQ(pressed_key(), Key::Down);
  con->wait_for_key();
  EXPECT_EQ(pressed_key(), Key::Q);
  EXPECT_EQ(con->read_number(), -4);
  EXPECT_EQ(con->read_number(), 0);  // a word where a number belongs reads as 0
  EXPECT_THROW(con->read_number(), End_Of_Input);
}

TEST_F(Stream_Console_Test, EndOfInputEndsEveryReadAndKeepsEndingIt) {
  end_input();
  EXPECT_THROW(con->read_number(), End_Of_Input);
  EXPECT_THROW(con->read_word(), End_Of_Input);
  EXPECT_THROW(con->wait_for_key(), End_Of_Input);
  EXPECT_THROW(con->wait_for_key(), End_Of_Input);
  EXPECT_THROW(con->read_number(), End_Of_Input);
}

TEST_F(Stream_Console_Test, AFrameReachesTheOutputInOneWriteAndNothingIsEchoed) {
  type("\x1b[C5\n");
  con->clear_screen();
  con->write("row 1\n");
  con->write("row 2\n");
  con->write("Press Tab for actions\n\n");
  EXPECT_TRUE(writes().empty()) << "output must wait for the end of the frame";
  con->wait_for_key();
  EXPECT_EQ(writes(),
            std::vector<std::string>{"\x1b[H\x1b[2Jrow 1\nrow 2\nPress Tab for actions\n\n"});

  con->clear_screen();
  con->write("Would you like to save the game?\n");
  EXPECT_EQ(con->read_number(), 5);
  EXPECT_EQ(writes(), std::vector<std::string>{"\x1b[H\x1b[2JWould you like to save the game?\n"});
}

TEST_F(Stream_Console_Test, SleepsAndExplicitFlushesSendTheOutput) {
  con->write("You mine some Blurite.");
  con->sleep_until(con->now_seconds() - 1);  // already passed: returns at once, still flushes
  con->write("A");
  con->flush();
  con->flush();  // nothing left: no empty write
  EXPECT_EQ(writes(), (std::vector<std::string>{"You mine some Blurite.", "A"}));
}

TEST_F(Stream_Console_Test, OutputThatNobodyReadsEndsTheGame) {
  void (*before)(int) = std::signal(SIGPIPE, SIG_IGN);
  close(output_[0]);
  output_[0] = -1;
  con->write("frame");
  EXPECT_THROW(con->wait_for_key(), End_Of_Input);
  std::signal(SIGPIPE, before);
}

double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

TEST_F(Stream_Console_Test, SleepReachesTheTargetSecondWithoutSpinning) {
  const std::int64_t target = con->now_seconds() + 1;
  const double cpu_before = cpu_seconds();
  con->sleep_until(target);
  EXPECT_GE(con->now_seconds(), target);
  // Up to a second of waiting; a busy loop would burn about all of it.
  EXPECT_LT(cpu_seconds() - cpu_before, 0.2);
}

}  // namespace
}  // namespace fm
