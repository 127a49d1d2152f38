// start_floor: prints the last words of the menu and waits for input, nothing else. The time
// it takes to put them on the screen is the least any program takes on this machine, the floor
// against which the game's start-up is measured.
#include <unistd.h>

int main() {
  constexpr char Prompt[] = " Make your choice: ";
  if (::write(STDOUT_FILENO, Prompt, sizeof Prompt - 1) < 0) return 1;
  char byte = 0;
  while (::read(STDIN_FILENO, &byte, 1) > 0) {
  }
  return 0;
}
