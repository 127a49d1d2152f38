#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "save/file_ops.h"

namespace fm {

int System_File_Ops::create(const std::string& path) {
  int fd = -1;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  } while (fd == -1 && errno == EINTR);
  return fd;
}

long System_File_Ops::write(int fd, const char* data, std::size_t size) {
  ssize_t written = -1;
  do {
    written = ::write(fd, data, size);
  } while (written == -1 && errno == EINTR);
  return static_cast<long>(written);
}

int System_File_Ops::sync(int fd) {
  return ::fsync(fd);
}

// A close interrupted by a signal must not be retried on Linux: the descriptor is gone already.
int System_File_Ops::close(int fd) {
  return ::close(fd) == -1 && errno != EINTR ? -1 : 0;
}

int System_File_Ops::rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str());
}

int System_File_Ops::remove(const std::string& path) {
  return ::unlink(path.c_str());
}

int System_File_Ops::sync_folder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd == -1) return -1;
  const int synced = ::fsync(fd);
  ::close(fd);
  return synced;
}

}  // namespace fm
