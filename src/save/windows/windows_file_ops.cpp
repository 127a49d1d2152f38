// The file-system calls of the save on Windows. A descriptor is a C runtime descriptor over a
// Win32 file handle, so the save's replace logic is the same as on POSIX. The rename is
// MoveFileExW with replace and write-through: it returns once the new name is on the disk, so no
// folder sync is needed. A file that another program holds open for a moment (a virus scanner,
// a backup or search indexer) is tried again briefly before the save gives up.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "save/file_ops.h"

namespace fm {

namespace {

constexpr int Busy_Tries = 10;
constexpr DWORD Busy_Wait_Ms = 50;

// The narrow names of the game are in the ANSI code page, as the C runtime's own file calls
// read them.
std::wstring wide_path(const std::string& path) {
  const int size =
      MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), size);
  return wide;
}

// Reports the last Win32 error the POSIX way.
int failed() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      errno = ENOENT;
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      errno = EACCES;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      errno = ENOSPC;
      break;
    default:
      errno = EIO;
      break;
  }
  return -1;
}

// Whether the last error means another program holds the file just now.
bool held_by_another_program() {
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_LOCK_VIOLATION;
}

// Runs `attempt` until it succeeds, fails for another reason, or the tries are used up.
template <typename Attempt>
bool with_retries(Attempt attempt) {
  for (int tries = 1;; ++tries) {
    if (attempt()) return true;
    if (tries == Busy_Tries || !held_by_another_program()) return false;
    Sleep(Busy_Wait_Ms);
  }
}

HANDLE handle_of(int fd) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

}  // namespace

int System_File_Ops::create(const std::string& path) {
  const std::wstring name = wide_path(path);
  HANDLE file = INVALID_HANDLE_VALUE;
  const bool opened = with_retries([&] {
    file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE;
  });
  if (!opened) return failed();
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY | _O_WRONLY);
  if (fd == -1) {
    CloseHandle(file);
    errno = EMFILE;
  }
  return fd;
}

long System_File_Ops::write(int fd, const char* data, std::size_t size) {
  const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
  DWORD written = 0;
  if (WriteFile(handle_of(fd), data, chunk, &written, nullptr) == 0) return failed();
  return static_cast<long>(written);
}

int System_File_Ops::sync(int fd) {
  return FlushFileBuffers(handle_of(fd)) != 0 ? 0 : failed();
}

int System_File_Ops::close(int fd) {
  return _close(fd);
}

int System_File_Ops::rename(const std::string& from, const std::string& to) {
  const std::wstring source = wide_path(from);
  const std::wstring target = wide_path(to);
  const bool moved = with_retries([&] {
    return MoveFileExW(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  });
  return moved ? 0 : failed();
}

int System_File_Ops::remove(const std::string& path) {
  return DeleteFileW(wide_path(path).c_str()) != 0 ? 0 : failed();
}

// MOVEFILE_WRITE_THROUGH has put the rename on the disk already.
int System_File_Ops::sync_folder(const std::string&) {
  return 0;
}

}  // namespace fm
