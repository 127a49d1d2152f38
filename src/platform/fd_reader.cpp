// The part of the byte reader that is the same on every platform: the buffer, looking ahead in it
// and taking from it. The one read call is the platform's (read_some in fd_io.cpp and
// windows/fd_io_windows.cpp).
#include "platform/fd_io.h"

namespace fm {

namespace {
constexpr std::size_t Read_Chunk = 4096;
}  // namespace

int Fd_Reader::get() {
  const int c = peek_at(0);
  if (c >= 0) ++next_;
  return c;
}

int Fd_Reader::peek_at(std::size_t ahead) {
  while (buffered() <= ahead) {
    if (!fill()) return -1;
  }
  return static_cast<unsigned char>(buffer_[next_ + ahead]);
}

void Fd_Reader::skip(std::size_t count) {
  next_ += count < buffered() ? count : buffered();
}

bool Fd_Reader::fill() {
  if (ended_) return false;
  if (next_ == buffer_.size()) {
    buffer_.clear();
    next_ = 0;
  }
  char chunk[Read_Chunk];
  const long got = read_some(fd_, chunk, sizeof chunk);
  if (got <= 0) {
    ended_ = true;  // the end is kept, so a closed input is never read again
    return false;
  }
  buffer_.append(chunk, static_cast<std::size_t>(got));
  return true;
}

}  // namespace fm
