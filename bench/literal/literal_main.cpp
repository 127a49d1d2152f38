// literal_farrowmede: the game with the literal console, for comparison runs only.
#include <csignal>

#include "core/game_state.h"
#include "core/start_menu.h"
#include "literal/literal_console.h"

int main() {
  std::signal(SIGPIPE, SIG_IGN);
  fm::bench::Literal_Console console;
  fm::install_console(&console);
  fm::reset_game_state();
  try {
    fm::Start_Menu();
    console.flush();
  } catch (const fm::End_Of_Input&) {
  }
  fm::install_console(nullptr);
  return 0;
}
