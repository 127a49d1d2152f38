// The console modes the Windows console works in, worked out from the modes found at start, and
// the choice of how to clear the screen. Pure, so tests check them without a console window.
#pragma once

#include <windows.h>

namespace fm {

// Not in every SDK's headers; the values are fixed by the console API.
inline constexpr DWORD Virtual_Terminal_Input = 0x0200;
inline constexpr DWORD Virtual_Terminal_Processing = 0x0004;

// Key waits: no echo and no line editing, so a key press is taken at once and prints nothing;
// Ctrl-C still reaches the control handler. Keys arrive as key events, not as escape codes.
constexpr DWORD key_wait_input_mode(DWORD saved) {
  return (saved | ENABLE_PROCESSED_INPUT) &
         ~(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | Virtual_Terminal_Input);
}

// Typed answers: the console's own line editing with echo, so the player sees and can correct
// what they type before Enter.
constexpr DWORD typing_input_mode(DWORD saved) {
  return (saved | ENABLE_PROCESSED_INPUT | ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT) &
         ~Virtual_Terminal_Input;
}

// Output with escape codes understood, where the console supports them.
constexpr DWORD virtual_terminal_output_mode(DWORD saved) {
  return saved | ENABLE_PROCESSED_OUTPUT | Virtual_Terminal_Processing;
}

enum class Clear_Method {
  Escape_Codes,  // ESC [ H ESC [ 2 J ESC [ 3 J in the frame's text
  Console_Api,   // fill the screen buffer with blanks and put the cursor top left
};

// Escape codes only when the console took the mode that understands them and reports it in force;
// older consoles refuse the mode and print the codes as text.
constexpr Clear_Method choose_clear_method(bool mode_accepted, DWORD mode_in_force) {
  return mode_accepted && (mode_in_force & Virtual_Terminal_Processing) != 0
             ? Clear_Method::Escape_Codes
             : Clear_Method::Console_Api;
}

}  // namespace fm
