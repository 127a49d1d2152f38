// The fixture of the save-file tests that touch the disk: a fresh game state and scripted console
// (as every behaviour test) plus an empty temporary folder that is the working directory for the
// test, removed again afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "support/game_test.h"
#include "support/temp_folder.h"

namespace fm::testing {

class Save_Folder_Test : public Game_Test {
 protected:
  void SetUp() override {
    Game_Test::SetUp();
    previous_ = std::filesystem::current_path();
    folder_ = make_unique_folder("farrowmede-save");
    ASSERT_FALSE(folder_.empty());
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
    Game_Test::TearDown();
  }

  // The whole content of a file in the folder ("" when it is missing).
  static std::string read_file(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  static void write_file(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
  }
  // The names in the folder.
  std::set<std::string> folder_names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  std::filesystem::path folder_;

 private:
  std::filesystem::path previous_;
};

}  // namespace fm::testing
