// The part of the byte reader that is the same on every platform: looking ahead in and taking from
// the bytes read so far. Filling the buffer is the platform's (fd_io.cpp,
// windows/fd_io_windows.cpp).
#include "platform/fd_io.h"

namespace fm {

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

}  // namespace fm
