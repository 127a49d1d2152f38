// The byte reader and writer of the stream console on Windows, through the C runtime's _read and
// _write on file descriptors. The descriptors are in binary mode (set when the stream console is
// chosen), so the bytes pass exactly as on POSIX: no CR LF translation, and Ctrl-Z is a byte
// like any other rather than an end of file.
#include <io.h>

#include <climits>

#include "platform/fd_io.h"

namespace fm {

namespace {
constexpr std::size_t Write_Chunk = 1 << 16;
}  // namespace

long read_some(int fd, char* into, std::size_t size) {
  // A closed pipe reads as the end of input too.
  return ::_read(fd, into, static_cast<unsigned>(size < UINT_MAX ? size : UINT_MAX));
}

bool write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    const std::size_t size = data.size() < Write_Chunk ? data.size() : Write_Chunk;
    const int put = ::_write(fd, data.data(), static_cast<unsigned>(size));
    if (put <= 0) return false;  // the reader has gone
    data.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

}  // namespace fm
