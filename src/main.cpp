// Farrowmede: picks the console, plays one game from the start menu, exits with status 0.
#include <csignal>
#include <cstdio>
#include <exception>

#include "core/game_state.h"
#include "core/start_menu.h"
#include "platform/standard_console.h"

int main() {
  // A reader of the output that goes away makes the next write fail, which ends the game like
  // the end of its input, instead of killing the program mid-frame. (Windows has no SIGPIPE: a
  // write to a pipe without a reader fails there anyway.)
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);
#endif
  std::unique_ptr<fm::Console> console = fm::make_standard_console();
  fm::install_console(console.get());
  fm::reset_game_state();
  try {
    fm::Start_Menu();
    console->flush();
  } catch (const fm::End_Of_Input&) {
    // The input has ended: the game ends as if the player had quit without saving.
  } catch (const std::exception& error) {
    fm::install_console(nullptr);
    console.reset();  // restores the terminal before the message
    std::fprintf(stderr, "farrowmede: %s\n", error.what());
    return 0;
  }
  fm::install_console(nullptr);
  return 0;  // the console's destructor restores the terminal
}
