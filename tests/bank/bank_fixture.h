// The fixture of the bank's tests: a fresh game and a scripted console, and one visit to the
// bank driven by a list of typed answers.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "bank/bank.h"
#include "core/game_state.h"
#include "support/game_test.h"

namespace fm::testing {

class Bank_Test : public Game_Test {
 protected:
  // Types the answers, runs one visit and returns what it printed. Every answer must have been
  // read: a visit that asks fewer or more questions than expected fails the test.
  std::string visit(std::initializer_list<std::int64_t> answers) {
    for (const std::int64_t answer : answers) con.answer(answer);
    Bank_Action();
    // The line end after the last answer stays unread, as it does after any number.
    EXPECT_EQ(con.typed_left(), "\n") << "the visit ended before reading every answer";
    return con.output();
  }
};

}  // namespace fm::testing
