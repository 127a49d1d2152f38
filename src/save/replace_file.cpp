#include "save/replace_file.h"

namespace fm {

std::string temporary_name(const std::string& name) {
  return name + ".tmp";
}

namespace {

// Writes all of `text`, going on after a short write; false at the first error.
bool write_all(File_Ops& ops, int fd, std::string_view text) {
  while (!text.empty()) {
    const long written = ops.write(fd, text.data(), text.size());
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes the temporary file and closes it; false (the file closed) if any step failed.
bool write_temporary(File_Ops& ops, const std::string& path, std::string_view text) {
  const int fd = ops.create(path);
  if (fd == -1) return false;
  const bool written = write_all(ops, fd, text) && ops.sync(fd) == 0;
  // A failed close can be the first report of a failed write (on network file systems).
  const bool closed = ops.close(fd) == 0;
  return written && closed;
}

}  // namespace

bool replace_file(const std::string& folder, const std::string& name, std::string_view text,
                  File_Ops& ops) {
  const std::string target = folder + "/" + name;
  const std::string temporary = folder + "/" + temporary_name(name);
  if (!write_temporary(ops, temporary, text) || ops.rename(temporary, target) != 0) {
    ops.remove(temporary);
    return false;
  }
  // The new file is in place now; without this the rename itself could be lost in a power cut.
  return ops.sync_folder(folder) == 0;
}

}  // namespace fm
