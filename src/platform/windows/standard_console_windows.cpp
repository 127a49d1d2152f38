// Picks the console on Windows: the console window when standard input and output are both a
// console, the stream console (the same byte protocol as on POSIX) when either is a pipe or a
// file.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <system_error>

#include "platform/standard_console.h"
#include "platform/stream_console.h"
#include "platform/windows/windows_console.h"

namespace fm {

namespace {
bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && handle != nullptr &&
         GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode) != 0;
}
}  // namespace

std::unique_ptr<Console> make_standard_console() {
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (is_console(in) && is_console(out)) {
    try {
      return std::make_unique<Windows_Console>(in, out);
    } catch (const std::system_error&) {
      // A console whose modes cannot be read is driven as a plain stream.
    }
  }
  // Binary mode: the stream's bytes pass unchanged both ways, as on POSIX.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  return std::make_unique<Stream_Console>(_fileno(stdin), _fileno(stdout));
}

}  // namespace fm
