// A fresh temporary folder that becomes the working directory for as long as the object lives,
// so a test that saves or loads "Save.txt" never touches another test's file.
#pragma once

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace fm::testing {

// A new, empty folder with a unique name starting with `stem` in the system's temporary folder;
// an empty path when none can be made.
inline std::filesystem::path make_unique_folder(const std::string& stem) {
  const std::filesystem::path temp = std::filesystem::temp_directory_path();
#ifdef _WIN32
  // No mkdtemp here: try random names until one is new (create_directory is false when the
  // folder exists already).
  std::random_device seed;
  std::mt19937_64 names(seed());
  for (int tries = 0; tries < 100; ++tries) {
    const std::filesystem::path path = temp / (stem + "-" + std::to_string(names()));
    std::error_code error;
    if (std::filesystem::create_directory(path, error)) return path;
  }
  return {};
#else
  std::string pattern = (temp / (stem + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
#endif
}

class Temp_Folder {
 public:
  Temp_Folder() : previous_(std::filesystem::current_path()) {
    path_ = make_unique_folder("farrowmede");
    if (path_.empty()) std::abort();
    std::filesystem::current_path(path_);
  }
  ~Temp_Folder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  Temp_Folder(const Temp_Folder&) = delete;
  Temp_Folder& operator=(const Temp_Folder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace fm::testing
