// The file-system calls that writing the save makes, behind an interface so that a test can make
// any one of them fail. Each call reports failure the POSIX way: -1 (with errno set).
#pragma once

#include <cstddef>
#include <string>

namespace fm {

class File_Ops {
 public:
  virtual ~File_Ops() = default;

  // Creates `path`, or empties it if it exists, for writing. A file descriptor, or -1.
  virtual int create(const std::string& path) = 0;
  // Writes up to `size` bytes; how many were written, or -1.
  virtual long write(int fd, const char* data, std::size_t size) = 0;
  // Waits until what was written to `fd` is on the disk.
  virtual int sync(int fd) = 0;
  virtual int close(int fd) = 0;
  // Puts `from` in the place of `to` in one step, replacing any file `to` names.
  virtual int rename(const std::string& from, const std::string& to) = 0;
  virtual int remove(const std::string& path) = 0;
  // Waits until the folder's list of names (a rename into it) is on the disk.
  virtual int sync_folder(const std::string& folder) = 0;
};

// The real calls of the operating system.
class System_File_Ops final : public File_Ops {
 public:
  int create(const std::string& path) override;
  long write(int fd, const char* data, std::size_t size) override;
  int sync(int fd) override;
  int close(int fd) override;
  int rename(const std::string& from, const std::string& to) override;
  int remove(const std::string& path) override;
  int sync_folder(const std::string& folder) override;
};

}  // namespace fm
