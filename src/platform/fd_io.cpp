#include "platform/fd_io.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace fm {

namespace {

// Waits until `fd` is ready for `events`; used when a descriptor was left in non-blocking mode.
void wait_ready(int fd, short events) {
  pollfd p{fd, events, 0};
  while (poll(&p, 1, -1) < 0 && errno == EINTR) {
  }
}

}  // namespace

long read_some(int fd, char* into, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, into, size);
    if (got >= 0) return static_cast<long>(got);
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      wait_ready(fd, POLLIN);
      continue;
    }
    return -1;  // an input that can no longer be read (a hung-up terminal)
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
