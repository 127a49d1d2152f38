#include "platform/fd_io.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace fm {

namespace {

constexpr std::size_t Read_Chunk = 4096;

// Waits until `fd` is ready for `events`; used when a descriptor was left in non-blocking mode.
void wait_ready(int fd, short events) {
  pollfd p{fd, events, 0};
  while (poll(&p, 1, -1) < 0 && errno == EINTR) {
  }
}

}  // namespace

bool Fd_Reader::fill() {
  if (ended_) return false;
  if (next_ == buffer_.size()) {
    buffer_.clear();
    next_ = 0;
  }
  char chunk[Read_Chunk];
  for (;;) {
    const ssize_t got = ::read(fd_, chunk, sizeof chunk);
    if (got > 0) {
      buffer_.append(chunk, static_cast<std::size_t>(got));
      return true;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      wait_ready(fd_, POLLIN);
      continue;
    }
    ended_ = true;  // end of input, or an input that can no longer be read (a hung-up terminal)
    return false;
  }
}

bool write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t put = ::write(fd, data.data(), data.size());
    if (put > 0) {
      data.remove_prefix(static_cast<std::size_t>(put));
      continue;
    }
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      wait_ready(fd, POLLOUT);
      continue;
    }
    return false;
  }
  return true;
}

}  // namespace fm
