// The byte reader and writer of the stream console on Windows, through the C runtime's _read and
// _write on file descriptors. The descriptors are in binary mode (set when the stream console is
// chosen), so the bytes pass exactly as on POSIX: no CR LF translation, and Ctrl-Z is a byte
// like any other rather than an end of file.
#include <io.h>

#include <climits>

#include "platform/fd_io.h"

namespace fm {

namespace {
constexpr unsigned Read_Chunk = 4096;
constexpr std::size_t Write_Chunk = 1 << 16;
}  // namespace

bool Fd_Reader::fill() {
  if (ended_) return false;
  if (next_ == buffer_.size()) {
    buffer_.clear();
    next_ = 0;
  }
  char chunk[Read_Chunk];
  const int got = ::_read(fd_, chunk, Read_Chunk);
  if (got <= 0) {
    ended_ = true;  // end of input (a closed pipe reads as the end too), or a failed read
    return false;
  }
  buffer_.append(chunk, static_cast<std::size_t>(got));
  return true;
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
