// Picks the console for the program's own standard input and output: the terminal console when
// both are a terminal, the stream console otherwise.
#pragma once

#include <memory>

#include "platform/console.h"

namespace fm {

std::unique_ptr<Console> make_standard_console();

}  // namespace fm
