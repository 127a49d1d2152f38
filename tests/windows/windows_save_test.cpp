// Saving and loading through the real Windows file calls: CR LF line ends, replacing and
// creating "Save.txt", the old save kept whole when the replace fails, the retry while another
// program holds the file, and loading files with either line end.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "core/player_name.h"
#include "save/line_ends.h"
#include "save/replace_file.h"
#include "save/sample_games.h"
#include "save/save_file.h"
#include "save/save_folder_test.h"

namespace fm {
namespace {

using testing::distinct_game;

constexpr std::string_view Failure_Message = "The game could not be saved.\n";
constexpr std::string_view Old_Save = "OldSave\r\n5\r\n1\r\n";

class Windows_Save_Test : public testing::Save_Folder_Test {
 protected:
  // Opens "Save.txt" the way a program that does not share it does (no FILE_SHARE_DELETE), so it
  // cannot be replaced while the handle is open.
  HANDLE hold_save_file() {
    return CreateFileW(L"Save.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  }
};

TEST_F(Windows_Save_Test, EveryLineEndsInCrLfAndTheTextIsOtherwiseTheSame) {
  for (const bool old_file : {false, true}) {
    SCOPED_TRACE(old_file ? "replacing a save" : "creating a missing save");
    std::filesystem::remove("Save.txt");
    if (old_file) write_file("Save.txt", std::string(Old_Save) + std::string(5000, 'x'));
    Game = distinct_game("Crlf");
    Save();
    const std::string file = read_file("Save.txt");
    EXPECT_EQ(con.output(), "");
    std::size_t line_ends = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
      if (file[i] != '\n') continue;
      ++line_ends;
      EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "a bare LF at byte " << i;
    }
    EXPECT_EQ(line_ends, 149u);
    std::string without_cr;
    for (const char c : file) {
      if (c != '\r') without_cr += c;
    }
    EXPECT_EQ(without_cr, save_text(Game));
    EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
  }
}

// The temporary file cannot be created (a folder has its name): the old save stays byte for byte
// and the player is told.
TEST_F(Windows_Save_Test, OldSaveStaysWholeWhenTheTemporaryFileCannotBeMade) {
  write_file("Save.txt", std::string(Old_Save));
  std::filesystem::create_directories(temporary_name("Save.txt") + "/inside");
  Game = distinct_game("Unsaved");
  Save();
  EXPECT_EQ(con.output(), Failure_Message);
  EXPECT_EQ(read_file("Save.txt"), Old_Save);
}

TEST_F(Windows_Save_Test, AFolderNamedSaveTxtIsLeftAsItWas) {
  std::filesystem::create_directories("Save.txt/inside");
  write_file("Save.txt/inside/note.txt", "kept");
  Game = distinct_game();
  Save();
  EXPECT_EQ(con.output(), Failure_Message);
  EXPECT_EQ(read_file("Save.txt/inside/note.txt"), "kept");
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
}

// Another program has the save open for a moment: the replace is tried again and succeeds once
// the file is free.
TEST_F(Windows_Save_Test, ASaveHeldBrieflyByAnotherProgramIsReplacedOnceFree) {
  write_file("Save.txt", std::string(Old_Save));
  const HANDLE held = hold_save_file();
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread release([held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    CloseHandle(held);
  });
  Game = distinct_game("Patient");
  Save();
  release.join();
  EXPECT_EQ(con.output(), "");
  EXPECT_EQ(read_file("Save.txt"), with_line_ends(save_text(Game), "\r\n"));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
}

// Held for longer than the retries last: the save gives up, says so, and leaves the old file whole
// and no temporary file behind.
TEST_F(Windows_Save_Test, ASaveHeldThroughoutIsNotReplacedAndTheOldOneStays) {
  write_file("Save.txt", std::string(Old_Save));
  const HANDLE held = hold_save_file();
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Game = distinct_game("Blocked");
  Save();
  CloseHandle(held);
  EXPECT_EQ(con.output(), Failure_Message);
  EXPECT_EQ(read_file("Save.txt"), Old_Save);
  EXPECT_EQ(folder_names(), std::set<std::string>{"Save.txt"});
}

struct Line_End_Case {
  const char* label;
  std::string (*file)(const std::string& lf_text);
};

TEST_F(Windows_Save_Test, FilesWithCrLfOrLfLineEndsLoadTheSame) {
  const Game_State saved = distinct_game("Loader", 3);
  const std::string lf_text = save_text(saved);
  const Line_End_Case cases[] = {
      {"CR LF", [](const std::string& t) { return with_line_ends(t, "\r\n"); }},
      {"LF", [](const std::string& t) { return t; }},
      {"mixed",
       [](const std::string& t) {
         std::string out;
         bool crlf = false;
         for (const char c : t) {
           if (c == '\n')
             out += (crlf = !crlf) ? "\r\n" : "\n";
           else
             out += c;
         }
         return out;
       }},
      {"CR LF with no line end after the last value",
       [](const std::string& t) {
         std::string out = with_line_ends(t, "\r\n");
         out.resize(out.size() - 2);
         return out;
       }},
  };
  for (const Line_End_Case& c : cases) {
    SCOPED_TRACE(c.label);
    write_file("Save.txt", c.file(lf_text));
    Game = Game_State{};
    Load();
    EXPECT_EQ(save_text(Game), lf_text);
    EXPECT_EQ(Name_Text(Game.Player_Name), "Loader");
  }
}

}  // namespace
}  // namespace fm
