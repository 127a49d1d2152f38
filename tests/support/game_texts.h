// Texts of the game that several tests look for, written out once.
#pragma once

#include <string_view>

namespace fm::testing {

// The start menu, up to the cursor after " Make your choice: ".
inline constexpr std::string_view Menu_Text =
    " __________________\n"
    "|----Menu----------|\n"
    "|------------------|\n"
    "|-1.-Start-Game----|\n"
    "|-2.-Load-Game-----|\n"
    "|-3.-Options-------|\n"
    "|-4.-Credits-------|\n"
    "|-5.-Quit-Game-----|\n"
    "|------------------|\n"
    " Make your choice: ";

// The first question of the Esc prompt.
inline constexpr std::string_view Save_Question =
    "Would you like to save the game? 1 Yes, save, 2 No, don't save and quit, 3 Don't save and "
    "keep playing\n";

}  // namespace fm::testing
