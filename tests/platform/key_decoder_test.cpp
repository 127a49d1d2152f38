#include "platform/key_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace fm {
namespace {

using std::chrono::milliseconds;
// The cases are written against the decoder's own timeout, so they follow it if it is tuned.
constexpr milliseconds Timeout = Key_Decoder::Esc_Timeout;
constexpr milliseconds Tick{1};

// One step of a case: bytes that arrive together, or time that passes without bytes.
using Step = std::variant<std::string, milliseconds>;
constexpr Key_Press Other{std::nullopt};
Key_Press press(Key key) {
  return Key_Press{key};
}

struct Decoder_Case {
  const char* name;
  std::vector<Step> steps;
  bool input_ends;
  std::vector<Key_Press> expected;
};

std::string describe(const std::vector<Key_Press>& presses) {
  std::string text;
  for (const Key_Press& p : presses) {
    text += p.key ? std::to_string(static_cast<int>(*p.key)) : std::string("other");
    text += ' ';
  }
  return text;
}

const Key_Press Up = press(Key::Up), Down = press(Key::Down), Right = press(Key::Right),
                Left = press(Key::Left), Esc = press(Key::Esc), Tab = press(Key::Tab),
                Q = press(Key::Q), W = press(Key::W), E = press(Key::E);

const std::vector<Decoder_Case> Cases = {
    {"cursor arrows", {std::string("\x1b[A\x1b[B\x1b[C\x1b[D")}, false, {Up, Down, Right, Left}},
    {"application arrows",
     {std::string("\x1bOA\x1bOB\x1bOC\x1bOD")},
     false,
     {Up, Down, Right, Left}},
    {"letters either case and tab", {std::string("qQwWeE\t")}, false, {Q, Q, W, W, E, E, Tab}},
    {"other bytes are keys of their own",
     {std::string("x1\r\n ")},
     false,
     {Other, Other, Other, Other, Other}},
    {"lone esc waits for the timeout", {std::string("\x1b"), Timeout - Tick}, false, {}},
    {"lone esc after the timeout", {std::string("\x1b"), Timeout}, false, {Esc}},
    {"timeout adds up over several waits",
     {std::string("\x1b"), Timeout / 2, Timeout - Timeout / 2},
     false,
     {Esc}},
    {"sequence split after esc",
     {std::string("\x1b"), Timeout / 2, std::string("[A")},
     false,
     {Up}},
    {"sequence split in three reads",
     {std::string("\x1b"), Timeout - Tick, std::string("O"), Timeout - Tick, std::string("D")},
     false,
     {Left}},
    {"esc and bracket left alone", {std::string("\x1b["), Timeout + Tick}, false, {Esc, Other}},
    {"esc before a letter is esc then the letter", {std::string("\x1bq")}, false, {Esc, Q}},
    {"two escs", {std::string("\x1b\x1b"), Timeout}, false, {Esc, Esc}},
    {"arrow with a modifier is the arrow", {std::string("\x1b[1;5A\x1b[1;2C")}, false, {Up, Right}},
    {"unknown csi sequence is one other key", {std::string("\x1b[3~q")}, false, {Other, Q}},
    {"unknown ss3 sequence is one other key", {std::string("\x1bOPw")}, false, {Other, W}},
    {"unfinished sequence after the timeout", {std::string("\x1b[1;"), Timeout}, false, {Other}},
    {"sequence broken by a control byte", {std::string("\x1b[1\t")}, false, {Other, Tab}},
    {"esc bracket broken by esc", {std::string("\x1b[\x1b[B")}, false, {Esc, Other, Down}},
    // 30 parameter bytes are held; the rest, and the final byte, are keys of their own.
    {"overlong sequence is bounded",
     {std::string("\x1b[") + std::string(40, '1') + "A"},
     false,
     std::vector<Key_Press>(1 + 10 + 1, Other)},
    {"end of input after esc", {std::string("\x1b")}, true, {Esc}},
    {"end of input inside a sequence", {std::string("\x1bO")}, true, {Esc, Other}},
};

TEST(Key_Decoder, DecodesEveryCaseOfTheTable) {
  for (const Decoder_Case& c : Cases) {
    SCOPED_TRACE(c.name);
    Key_Decoder decoder;
    std::vector<Key_Press> got;
    for (const Step& step : c.steps) {
      if (const auto* bytes = std::get_if<std::string>(&step)) {
        decoder.feed(*bytes);
      } else {
        decoder.time_passed(std::get<milliseconds>(step));
      }
      for (const Key_Press& p : decoder.take()) got.push_back(p);
    }
    if (c.input_ends) decoder.end_of_input();
    for (const Key_Press& p : decoder.take()) got.push_back(p);
    EXPECT_EQ(got, c.expected) << "got " << describe(got) << ", expected " << describe(c.expected);
    EXPECT_FALSE(decoder.holding() && c.input_ends);
  }
}

TEST(Key_Decoder, TellsHowLongHeldBytesStillWait) {
  Key_Decoder decoder;
  EXPECT_FALSE(decoder.holding());
  EXPECT_EQ(decoder.time_left(), milliseconds{0});
  decoder.feed("\x1b");
  EXPECT_TRUE(decoder.holding());
  EXPECT_EQ(decoder.time_left(), Key_Decoder::Esc_Timeout);
  decoder.time_passed(milliseconds{10});
  EXPECT_EQ(decoder.time_left(), Timeout - milliseconds{10});
  // New bytes of the same sequence start its wait afresh.
  decoder.feed("[");
  EXPECT_EQ(decoder.time_left(), Key_Decoder::Esc_Timeout);
  decoder.feed("B");
  EXPECT_FALSE(decoder.holding());
  EXPECT_EQ(decoder.take(), std::vector<Key_Press>{Down});
  EXPECT_TRUE(decoder.take().empty());
}

}  // namespace
}  // namespace fm
