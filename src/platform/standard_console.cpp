#include "platform/standard_console.h"

#include <unistd.h>

#include <system_error>

#include "platform/stream_console.h"
#include "platform/terminal_console.h"

namespace fm {

std::unique_ptr<Console> make_standard_console() {
  if (isatty(STDIN_FILENO) != 0 && isatty(STDOUT_FILENO) != 0) {
    try {
      return std::make_unique<Terminal_Console>(STDIN_FILENO, STDOUT_FILENO);
    } catch (const std::system_error&) {
      // A terminal whose settings cannot be read is driven as a plain stream.
    }
  }
  return std::make_unique<Stream_Console>(STDIN_FILENO, STDOUT_FILENO);
}

}  // namespace fm
