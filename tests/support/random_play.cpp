#include "support/random_play.h"

#include <array>
#include <fstream>
#include <random>
#include <sstream>

#include "core/game_state.h"
#include "core/start_menu.h"
#include "platform/console.h"
#include "save/save_file.h"

namespace fm::testing {

namespace {

// Thrown to stop the game in the middle of play once enough passes have been checked.
struct Enough_Passes {};

// The invariants of the game state that every pass must keep.
class Invariants {
 public:
  // A new game starts: levels from here on must never go down.
  void start_game() { started_ = false; }

  // Empty when every invariant holds; otherwise what broke.
  std::string check() {
    std::ostringstream broken;
    std::int64_t carried = Game.total;
    std::int64_t stored = Game.bank;
    for (int item = 0; item < Item_Count; ++item) {
      carried += Game.Inventory[static_cast<std::size_t>(item)];
      stored += Game.B[static_cast<std::size_t>(item)];
    }
    if (carried != Inventory_Size) broken << "total plus the inventory is " << carried << "; ";
    if (stored != Bank_Size) broken << "bank plus the bank counters is " << stored << "; ";
    for (int s = 0; s < Skill_Count; ++s) {
      const Skill_Record& record = Game.Skills[static_cast<std::size_t>(s)];
      if (record.Skill < 0 || record.Skill >= record.Skill_M)
        broken << "skill " << s << " has experience " << record.Skill << " of " << record.Skill_M
               << "; ";
      if (started_ && record.Level < levels_[static_cast<std::size_t>(s)])
        broken << "skill " << s << " went down to level " << record.Level << "; ";
      levels_[static_cast<std::size_t>(s)] = record.Level;
    }
    started_ = true;
    if (Game.Level_Sel < 1 || Game.Level_Sel > 70) {
      broken << "Level_Sel is " << Game.Level_Sel << "; ";
    } else {
      int markers = 0;
      for (const auto& row : Game.Map)
        for (char square : row) markers += square == '@';
      if (markers != 1) broken << markers << " player markers; ";
      if (Game.square(Game.y, Game.x) != '@')
        broken << "no marker under the player at (" << Game.y << ", " << Game.x << "); ";
    }
    for (std::size_t row = 0; row < Game.Map.size(); ++row) {
      bool ends = false;
      for (char square : Game.Map[row]) ends = ends || square == '\0';
      if (!ends) broken << "row " << row << " has no NUL; ";
    }
    return broken.str();
  }

 private:
  bool started_ = false;
  std::array<std::int32_t, Skill_Count> levels_{};
};

// Presses random keys and types random answers; checks the invariants at every key wait, which
// is where one pass of the main loop has ended and the next frame has been drawn.
class Random_Console final : public Console {
 public:
  Random_Console(std::uint64_t seed, std::uint64_t passes, Invariants& invariants)
      : rng_(seed), passes_left_(passes), invariants_(invariants) {}

  std::uint64_t passes() const { return passes_; }
  const std::string& failure() const { return failure_; }

  void clear_screen() override {}
  void write(std::string_view) override {}

  std::int32_t read_number() override {
    const int kind = pick(100);
    if (kind < 45) return static_cast<std::int32_t>(1 + pick(4));  // the usual answers
    if (kind < 70) return static_cast<std::int32_t>(pick(30));     // menus and amounts
    if (kind < 80) return static_cast<std::int32_t>(-pick(30));    // negative amounts
    if (kind < 88) return static_cast<std::int32_t>(rng_());       // any 32-bit value
    return 0;                                                      // not a number
  }

  std::string read_word() override {
    std::string word;
    const int length = pick(20);
    for (int i = 0; i < length; ++i) word.push_back(static_cast<char>(1 + pick(126)));
    return word;
  }

  void wait_for_key() override {
    if (!failure_.empty()) throw Enough_Passes{};
    failure_ = invariants_.check();
    if (!failure_.empty()) throw Enough_Passes{};
    if (passes_left_ == 0) throw Enough_Passes{};
    --passes_left_;
    ++passes_;
    pressed_.fill(false);
    // Mostly one key; sometimes two arrows at once, as a held pair of keys reports them.
    const int count = pick(10) == 0 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
      const int roll = pick(100);
      if (roll < 80) {
        // Keep walking one way for a while, so that the player crosses areas.
        if (pick(6) == 0) heading_ = pick(4);
        pressed_[static_cast<std::size_t>(heading_)] = true;
      } else if (roll < 90) {
        pressed_[static_cast<std::size_t>(4 + pick(3))] = true;  // Q, W, E
      } else if (roll < 97) {
        pressed_[static_cast<std::size_t>(Key::Tab)] = true;
      } else if (roll < 99) {
        pressed_[static_cast<std::size_t>(Key::Esc)] = true;
      }  // else a key that is none of the nine
    }
  }

  bool was_pressed(Key key) override { return pressed_[static_cast<std::size_t>(key)]; }
  std::int64_t now_seconds() override { return clock_; }
  void sleep_until(std::int64_t target) override { clock_ = std::max(clock_, target); }
  void flush() override {}

  // A number from 0 to n - 1.
  int pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
  std::uint64_t draw() { return rng_(); }

 private:
  std::mt19937_64 rng_;
  std::uint64_t passes_left_;
  Invariants& invariants_;
  std::uint64_t passes_ = 0;
  std::string failure_;
  std::array<bool, Key_Count> pressed_{};
  int heading_ = 0;
  std::int64_t clock_ = 1'700'000'000;
};

// Writes a save file of a game somewhere in the world, so that the next game loaded from it
// starts in any area with skills and items to use there. The counters keep the invariants.
void Write_Random_Save(Random_Console& dice) {
  Game_State state;
  state.Level_Sel = 1 + dice.pick(70);
  state.pick = state.pole = state.axe = dice.pick(4) == 0 ? 0 : 1;
  for (Skill s :
       {Skill::Mining, Skill::Fishing, Skill::Woodcutting, Skill::Firemaking, Skill::Cooking}) {
    Skill_Record& record = state.skill(s);
    record.Level = 1 + dice.pick(100);
    record.Skill_M = 8 + dice.pick(200);
    record.Skill = dice.pick(record.Skill_M);
  }
  for (int i = 0; i < 10; ++i) {
    const auto item = static_cast<Item>(1 + dice.pick(Item_Count - 1));
    const int carried = std::min<int>(dice.pick(4), state.total);
    state.Inventory[item] += carried;
    state.total -= carried;
    const int stored = dice.pick(200);
    state.B[item] += stored;
    state.bank -= stored;
  }
  std::ofstream(std::string(Save_File_Name), std::ios::binary) << save_text(state);
}

}  // namespace

Random_Play_Result Random_Play(std::uint64_t seed, std::uint64_t passes) {
  Invariants invariants;
  Random_Console con(seed, passes, invariants);
  install_console(&con);
  Random_Play_Result result;
  try {
    for (;;) {
      ++result.games;
      reset_game_state();
      invariants.start_game();
      if (con.pick(3) == 0) Write_Random_Save(con);
      try {
        Start_Menu();
      } catch (const End_Of_Input&) {
      }
    }
  } catch (const Enough_Passes&) {
  }
  install_console(nullptr);
  result.passes = con.passes();
  if (!con.failure().empty())
    result.failure = "seed " + std::to_string(seed) + ", pass " + std::to_string(con.passes() + 1) +
                     ", area " + std::to_string(Game.Level_Sel) + ": " + con.failure();
  return result;
}

}  // namespace fm::testing
