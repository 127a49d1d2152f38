// The fixture of the behaviour tests: a fresh game state and a scripted console for every case,
// and both put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include "core/game_state.h"
#include "support/scripted_console.h"

namespace fm::testing {

class Game_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_game_state();
    install_console(&con);
  }
  void TearDown() override {
    install_console(nullptr);
    reset_game_state();
  }

  Scripted_Console con;
};

}  // namespace fm::testing
