// Farrowmede: picks the console, plays one game from the start menu, exits with status 0.
#include <cstdio>
#include <exception>

#include "core/game_state.h"
#include "core/start_menu.h"
#include "platform/standard_console.h"

int main() {
  std::unique_ptr<fm::Console> console = fm::make_standard_console();
  fm::install_console(console.get());
  fm::reset_game_state();
  try {
    fm::Start_Menu();
  } catch (const fm::End_Of_Input&) {
    // The input has ended: the game ends as if the player had quit without saving.
  } catch (const std::exception& error) {
    console->flush();
    console.reset();  // restores the terminal before the message
    std::fprintf(stderr, "farrowmede: %s\n", error.what());
    return 0;
  }
  console->flush();
  return 0;  // the console's destructor restores the terminal
}
