// The Windows console's pure rules: which virtual key each game key is, when a key counts as
// pressed, which key presses end a key wait, the console modes and the choice of screen clear.
#include "platform/windows/virtual_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/windows/console_modes.h"

namespace fm {
namespace {

TEST(Virtual_Keys, EachKeyHasItsWindowsCode) {
  const std::map<Key, int> expected = {
      {Key::Down, 0x28}, {Key::Up, 0x26}, {Key::Right, 0x27}, {Key::Left, 0x25}, {Key::Q, 0x51},
      {Key::W, 0x57},    {Key::E, 0x45},  {Key::Tab, 0x09},   {Key::Esc, 0x1B},
  };
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(Key_Count));
  std::set<int> codes;
  for (const auto& [key, code] : expected) {
    EXPECT_EQ(virtual_key_code(key), code) << "key " << static_cast<int>(key);
    codes.insert(virtual_key_code(key));
  }
  EXPECT_EQ(codes.size(), expected.size()) << "two keys share a code";
}

// A stand-in keyboard: the answer GetAsyncKeyState would give for each code, 0 for the rest; it
// records which codes were asked about.
struct Fake_Keyboard {
  std::map<int, std::int16_t> answers;
  std::vector<int> asked;
  Key_State_Query query() {
    return [this](int code) {
      asked.push_back(code);
      const auto found = answers.find(code);
      return found == answers.end() ? std::int16_t{0} : found->second;
    };
  }
};

// A keyboard that answers as GetAsyncKeyState does: the top bit while a key is down, the lowest
// bit when it was pressed since the previous query of that key, which the query clears.
struct Modelled_Keyboard {
  std::set<int> down;
  std::set<int> pressed_since;
  void press_and_release(int code) { pressed_since.insert(code); }
  Key_State_Query query() {
    return [this](int code) {
      std::uint16_t answer = down.count(code) != 0 ? 0x8000 : 0;
      if (pressed_since.erase(code) != 0) answer |= 1;
      return static_cast<std::int16_t>(answer);
    };
  }
};

// Keys typed into an answer before the wait (a name with Q, W and E in it, a Tab) do not count
// as pressed in the pass after the wait; keys pressed or held during the wait do.
TEST(Key_Poll, OnlyKeysPressedSinceTheWaitBeganCount) {
  Modelled_Keyboard keyboard;
  Key_Poll poll(keyboard.query());
  for (const int code : {0x51, 0x57, 0x45, 0x09}) keyboard.press_and_release(code);
  poll.wait_begins();
  keyboard.press_and_release(0x28);  // Down, tapped during the wait
  keyboard.down.insert(0x27);        // Right, held through it
  poll.wait_ended_by(0x28);
  for (int k = 0; k < Key_Count; ++k) {
    const Key key = static_cast<Key>(k);
    EXPECT_EQ(poll.was_pressed(key), key == Key::Down || key == Key::Right) << k;
  }
  // The next wait starts afresh: the tap is forgotten, the held key still counts.
  poll.wait_begins();
  poll.wait_ended_by(0x20);
  EXPECT_FALSE(poll.was_pressed(Key::Down));
  EXPECT_TRUE(poll.was_pressed(Key::Right));
}

struct Answer_Case {
  const char* label;
  std::int16_t answer;
  bool pressed;
};

TEST(Key_Poll, AKeyCountsAsPressedWhenTheAnswerIsNotZero) {
  const Answer_Case cases[] = {
      {"up and not pressed since", 0, false},
      {"pressed since the last query", 0x0001, true},
      {"down now (top bit)", static_cast<std::int16_t>(0x8000), true},
      {"down now and pressed since", static_cast<std::int16_t>(0x8001), true},
      {"any other bit", 0x0100, true},
  };
  for (const Answer_Case& c : cases) {
    SCOPED_TRACE(c.label);
    Fake_Keyboard keyboard;
    keyboard.answers[0x27] = c.answer;
    Key_Poll poll(keyboard.query());
    EXPECT_EQ(poll.was_pressed(Key::Right), c.pressed);
    EXPECT_EQ(keyboard.asked, std::vector<int>{0x27});
    EXPECT_FALSE(poll.was_pressed(Key::Left));  // keys the keyboard does not report stay unpressed
  }
}

TEST(Key_Poll, TwoKeysReportedInOnePassAreBothPressed) {
  Fake_Keyboard keyboard;
  keyboard.answers[0x28] = static_cast<std::int16_t>(0x8000);
  keyboard.answers[0x27] = 1;
  Key_Poll poll(keyboard.query());
  for (int k = 0; k < Key_Count; ++k) {
    const Key key = static_cast<Key>(k);
    EXPECT_EQ(poll.was_pressed(key), key == Key::Down || key == Key::Right) << k;
  }
}

// A quick tap is often up again before the loop polls it: the key whose press ended the wait
// counts as pressed whatever the keyboard answers, and only that key.
TEST(Key_Poll, TheKeyThatEndedTheWaitCountsAsPressed) {
  Fake_Keyboard keyboard;
  Key_Poll poll(keyboard.query());
  poll.wait_ended_by(0x51);  // Q
  for (int k = 0; k < Key_Count; ++k) {
    const Key key = static_cast<Key>(k);
    EXPECT_EQ(poll.was_pressed(key), key == Key::Q) << k;
  }
  poll.wait_ended_by(0x20);  // the space bar: none of the nine
  for (int k = 0; k < Key_Count; ++k) EXPECT_FALSE(poll.was_pressed(static_cast<Key>(k))) << k;
}

TEST(Key_Wait, ModifierAndLockKeysAloneDoNotEndIt) {
  for (const int code :
       {0x10, 0x11, 0x12, 0x14, 0x5B, 0x5C, 0x90, 0x91, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}) {
    EXPECT_FALSE(ends_key_wait(static_cast<std::uint16_t>(code))) << std::hex << code;
  }
  for (const Virtual_Key& row : Virtual_Keys) EXPECT_TRUE(ends_key_wait(row.code)) << row.code;
  for (const int code : {0x20, 0x0D, 0x31, 0x41, 0x70}) {  // space, Enter, 1, A, F1
    EXPECT_TRUE(ends_key_wait(static_cast<std::uint16_t>(code))) << std::hex << code;
  }
}

TEST(Console_Modes, KeyWaitsReadKeysWithoutEchoOrLineEditing) {
  const DWORD saved = ENABLE_PROCESSED_INPUT | ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT |
                      ENABLE_INSERT_MODE | ENABLE_QUICK_EDIT_MODE | ENABLE_EXTENDED_FLAGS |
                      Virtual_Terminal_Input;
  const DWORD mode = key_wait_input_mode(saved);
  EXPECT_EQ(mode & (ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT), 0u);
  EXPECT_EQ(mode & Virtual_Terminal_Input, 0u) << "arrows must come as key events";
  EXPECT_NE(mode & ENABLE_PROCESSED_INPUT, 0u) << "Ctrl-C must still reach the handler";
  EXPECT_NE(mode & ENABLE_QUICK_EDIT_MODE, 0u) << "the player's own settings stay";
  EXPECT_NE(key_wait_input_mode(0) & ENABLE_PROCESSED_INPUT, 0u);
}

TEST(Console_Modes, TypedAnswersAreEchoedAndLineEdited) {
  for (const DWORD saved : {DWORD{0}, DWORD{ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT},
                            DWORD{ENABLE_LINE_INPUT | Virtual_Terminal_Input}}) {
    const DWORD mode = typing_input_mode(saved);
    EXPECT_EQ(mode & (ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT),
              DWORD{ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT})
        << saved;
    EXPECT_EQ(mode & Virtual_Terminal_Input, 0u);
  }
}

TEST(Console_Modes, OutputAsksForEscapeCodesAndKeepsTheRest) {
  const DWORD saved = ENABLE_WRAP_AT_EOL_OUTPUT;
  const DWORD mode = virtual_terminal_output_mode(saved);
  EXPECT_NE(mode & Virtual_Terminal_Processing, 0u);
  EXPECT_NE(mode & ENABLE_PROCESSED_OUTPUT, 0u);
  EXPECT_NE(mode & ENABLE_WRAP_AT_EOL_OUTPUT, 0u);
}

TEST(Console_Modes, EscapeCodesClearOnlyWhereTheConsoleTookThem) {
  const DWORD with_codes = ENABLE_PROCESSED_OUTPUT | Virtual_Terminal_Processing;
  EXPECT_EQ(choose_clear_method(true, with_codes), Clear_Method::Escape_Codes);
  // Refused (an older console), or accepted but not in force: the console API clears.
  EXPECT_EQ(choose_clear_method(false, with_codes), Clear_Method::Console_Api);
  EXPECT_EQ(choose_clear_method(true, ENABLE_PROCESSED_OUTPUT), Clear_Method::Console_Api);
  EXPECT_EQ(choose_clear_method(false, 0), Clear_Method::Console_Api);
}

}  // namespace
}  // namespace fm
