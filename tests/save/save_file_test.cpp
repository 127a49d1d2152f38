// Save and Load on the disk: creating and replacing "Save.txt", loading it, and what a save does
// when any step of writing it fails.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "core/player_name.h"
#include "sample_games.h"
#include "save/line_ends.h"
#include "save/replace_file.h"
#include "save/save_file.h"
#include "save_folder_test.h"

namespace fm {
namespace {

using testing::distinct_game;

constexpr std::string_view Failure_Message = "The game could not be saved.\n";

class Save_File_Test : public testing::Save_Folder_Test {};

// What "Save.txt" holds after saving `state`: the save text with this platform's line ends.
std::string file_text(const Game_State& state) {
  return with_line_ends(save_text(state), Native_Line_End);
}

TEST_F(Save_File_Test, SaveCreatesAMissingFile) {
  Game = distinct_game("Newcomer");
  Save();
  EXPECT_EQ(read_file("Save.txt"), file_text(Game));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
  EXPECT_EQ(con.output(), "");
}

// A shorter save over a longer one leaves no trace of the old text after line 149.
TEST_F(Save_File_Test, SaveReplacesTheWholeFile) {
  Game = distinct_game("LongerOldName");
  Game.bank = -2000000000;
  Save();
  Game = Game_State{};
  Game.Player_Name = Clean_Name("Bob");
  Save();
  EXPECT_EQ(read_file("Save.txt"), file_text(Game));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
}

TEST_F(Save_File_Test, LoadReadsWhatSaveWrote) {
  const Game_State saved = distinct_game("Returner");
  Game = saved;
  Save();
  reset_game_state();
  Load();
  EXPECT_EQ(Game, saved);
}

TEST_F(Save_File_Test, EmptyNameRoundTripsThroughTheDisk) {
  Game = distinct_game();
  Game.Player_Name = {};
  const Game_State saved = Game;
  Save();
  reset_game_state();
  Game.Player_Name = Clean_Name("Stale");
  Load();
  EXPECT_EQ(Game, saved);
}

TEST_F(Save_File_Test, LoadWithoutAFileChangesNothing) {
  Game.Player_Name = Clean_Name("Untouched");
  Game.Level_Sel = 12;
  const Game_State before = Game;
  Load();
  EXPECT_EQ(Game, before);
  EXPECT_EQ(con.output(), "");
  EXPECT_TRUE(folder_names().empty()) << "Load must not create the file";
}

TEST_F(Save_File_Test, LoadReadsAOneLineFile) {
  write_file("Save.txt", "Solo 9 1 1 0 3 20 30");
  Load();
  EXPECT_EQ(Name_Text(Game.Player_Name), "Solo");
  EXPECT_EQ(Game.Level_Sel, 9);
  EXPECT_EQ(Game.pick, 1);
  EXPECT_EQ(Game.pole, 1);
  EXPECT_EQ(Game.axe, 0);
  EXPECT_EQ(Game.skill(Skill::Fishing), (Skill_Record{.Skill = 20, .Level = 3, .Skill_M = 30}));
  EXPECT_EQ(Game.skill(Skill::Woodcutting), Skill_Record{});  // the file ended before it
  EXPECT_EQ(Game.total, 28);
}

TEST_F(Save_File_Test, LoadOfADamagedFileKeepsTheValuesBeforeTheDamage) {
  write_file("Save.txt", "Half\n4\n1\n0\n1\n2\n#@!\n99\n");
  Load();
  EXPECT_EQ(Name_Text(Game.Player_Name), "Half");
  EXPECT_EQ(Game.Level_Sel, 4);
  EXPECT_EQ(Game.axe, 1);
  EXPECT_EQ(Game.skill(Skill::Fishing).Level, 2);
  EXPECT_EQ(Game.skill(Skill::Fishing).Skill, 0);  // the damaged value and all after it
  EXPECT_EQ(Game.skill(Skill::Fishing).Skill_M, 8);
}

TEST_F(Save_File_Test, LoadOfAFolderNamedSaveTxtReadsNothing) {
  std::filesystem::create_directory("Save.txt");
  const Game_State before = Game;
  Load();
  EXPECT_EQ(Game, before);
}

// A real failure without the seam: "Save.txt" is a folder, so the rename cannot replace it.
TEST_F(Save_File_Test, SaveOverAFolderSaysSoAndLeavesNoTemporaryFile) {
  std::filesystem::create_directories("Save.txt/inside");
  Save();
  EXPECT_EQ(con.output(), Failure_Message);
  EXPECT_TRUE(std::filesystem::is_directory("Save.txt/inside"));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
}

// The file-system calls of a save, with one of them made to fail.
enum class Step { None, Create, Write, Short_Write, Sync, Close, Rename, Sync_Folder };

class Failing_File_Ops final : public File_Ops {
 public:
  explicit Failing_File_Ops(Step fail) : fail_(fail) {}

  int create(const std::string& path) override {
    calls.push_back("create " + std::filesystem::path(path).filename().string());
    if (fail_ == Step::Create) return fail(EACCES);
    return real_.create(path);
  }
  long write(int fd, const char* data, std::size_t size) override {
    calls.push_back("write");
    if (fail_ == Step::Write) return fail(EIO);
    if (fail_ == Step::Short_Write) {
      // The disk fills up: the first write gets half of its bytes out, the next none.
      if (writes_++ > 0) return fail(ENOSPC);
      return real_.write(fd, data, size / 2);
    }
    return real_.write(fd, data, size);
  }
  int sync(int fd) override {
    calls.push_back("sync");
    if (fail_ == Step::Sync) return fail(EIO);
    return real_.sync(fd);
  }
  int close(int fd) override {
    calls.push_back("close");
    const int closed = real_.close(fd);  // the descriptor is released even when close fails
    return fail_ == Step::Close ? fail(EIO) : closed;
  }
  int rename(const std::string& from, const std::string& to) override {
    calls.push_back("rename " + std::filesystem::path(from).filename().string() + " " +
                    std::filesystem::path(to).filename().string());
    if (fail_ == Step::Rename) return fail(EXDEV);
    return real_.rename(from, to);
  }
  int remove(const std::string& path) override {
    calls.push_back("remove " + std::filesystem::path(path).filename().string());
    return real_.remove(path);
  }
  int sync_folder(const std::string& folder) override {
    calls.push_back("sync folder");
    if (fail_ == Step::Sync_Folder) return fail(EIO);
    return real_.sync_folder(folder);
  }

  std::vector<std::string> calls;

 private:
  static int fail(int error) {
    errno = error;
    return -1;
  }

  Step fail_;
  int writes_ = 0;
  System_File_Ops real_;
};

TEST_F(Save_File_Test, SavesInTheOrderThatSurvivesACrash) {
  Game = distinct_game();
  Failing_File_Ops ops(Step::None);
  EXPECT_TRUE(save_game(".", ops));
  const std::vector<std::string> expected = {
      "create Save.txt.tmp",          "write",      "sync", "close",
      "rename Save.txt.tmp Save.txt", "sync folder"};
  EXPECT_EQ(ops.calls, expected);
  EXPECT_EQ(read_file("Save.txt"), file_text(Game));
  EXPECT_EQ(con.output(), "");
}

TEST_F(Save_File_Test, GoesOnAfterAShortWrite) {
  // A write that takes only part of the bytes is not an error; the rest follows.
  class Halving_Ops final : public File_Ops {
   public:
    int create(const std::string& p) override { return real.create(p); }
    long write(int fd, const char* d, std::size_t n) override {
      return real.write(fd, d, n > 1 ? n / 2 : n);
    }
    int sync(int fd) override { return real.sync(fd); }
    int close(int fd) override { return real.close(fd); }
    int rename(const std::string& f, const std::string& t) override { return real.rename(f, t); }
    int remove(const std::string& p) override { return real.remove(p); }
    int sync_folder(const std::string& f) override { return real.sync_folder(f); }
    System_File_Ops real;
  } ops;
  Game = distinct_game();
  EXPECT_TRUE(save_game(".", ops));
  EXPECT_EQ(read_file("Save.txt"), file_text(Game));
}

struct Failure_Case {
  const char* label;
  Step step;
  bool old_file;  // whether a save was there before
};

class Failed_Save : public testing::Save_Folder_Test,
                    public ::testing::WithParamInterface<Failure_Case> {};

// Up to the rename, a failure leaves the old save byte for byte as it was (or no file, if there
// was none), removes the temporary file and tells the player.
TEST_P(Failed_Save, LeavesTheOldFileAndSaysSo) {
  const Failure_Case& c = GetParam();
  const std::string old_text = "OldSave 5 1 2 3 \n trailing text the reader never reaches\n";
  if (c.old_file) write_file("Save.txt", old_text);
  Game = distinct_game("Unsaved");
  Failing_File_Ops ops(c.step);

  EXPECT_FALSE(save_game(".", ops));

  EXPECT_EQ(con.output(), Failure_Message);
  if (c.old_file) {
    EXPECT_EQ(read_file("Save.txt"), old_text);
    EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
  } else {
    EXPECT_TRUE(folder_names().empty());
  }
  EXPECT_EQ(ops.calls.back(), "remove Save.txt.tmp");
}

INSTANTIATE_TEST_SUITE_P(Steps, Failed_Save,
                         ::testing::Values(Failure_Case{"Create", Step::Create, true},
                                           Failure_Case{"Write", Step::Write, true},
                                           Failure_Case{"DiskFull", Step::Short_Write, true},
                                           Failure_Case{"Sync", Step::Sync, true},
                                           Failure_Case{"Close", Step::Close, true},
                                           Failure_Case{"Rename", Step::Rename, true},
                                           Failure_Case{"CreateNoOldFile", Step::Create, false},
                                           Failure_Case{"DiskFullNoOldFile", Step::Short_Write,
                                                        false},
                                           Failure_Case{"RenameNoOldFile", Step::Rename, false}),
                         [](const auto& info) { return std::string(info.param.label); });

// Once the rename is done the new save is in place and cannot be taken back; if the folder then
// cannot be synced, the save may not survive a power cut, and the player is told.
TEST_F(Save_File_Test, FailedFolderSyncIsReported) {
  write_file("Save.txt", "Old 1\n");
  Game = distinct_game("Newer");
  Failing_File_Ops ops(Step::Sync_Folder);
  EXPECT_FALSE(save_game(".", ops));
  EXPECT_EQ(con.output(), Failure_Message);
  EXPECT_EQ(read_file("Save.txt"), file_text(Game));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
}

// A temporary file left behind by an earlier crash does not stop the next save.
TEST_F(Save_File_Test, SaveOverwritesATemporaryFileLeftByACrash) {
  write_file(temporary_name("Save.txt"), std::string(10000, 'x'));
  Game = distinct_game();
  Save();
  EXPECT_EQ(read_file("Save.txt"), file_text(Game));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
}

}  // namespace
}  // namespace fm
