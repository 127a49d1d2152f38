#include "bench_consoles.h"

#include "core/game_state.h"
#include "core/main_loop.h"
#include "world/areas.h"

namespace fm::bench {

namespace {

// Keeps the text written since the last screen clear; ends the loop at its first key wait.
class Frame_Capture final : public Quiet_Console {
 public:
  void clear_screen() override { text_.clear(); }
  void write(std::string_view more) override { text_.append(more); }
  void wait_for_key() override { throw End_Of_Input(); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace

void Start_Walking(bool panels_shown, std::int32_t area) {
  reset_game_state();
  const std::int32_t shown = panels_shown ? 1 : 0;
  Game.Show_Item = Game.Show_Skill = Game.Show_Location = shown;
  for (int item = 1; item < Item_Count; item += 3) Game.Inventory[static_cast<Item>(item)] = 1;
  Load_World(area);
  Game.Loop_Started = true;
}

void Run_Loop(Console& con) {
  install_console(&con);
  try {
    Game_Mechanics();
  } catch (const End_Of_Input&) {
  }
  install_console(nullptr);
}

std::string First_Frame(bool panels_shown, std::int32_t area) {
  Start_Walking(panels_shown, area);
  Frame_Capture capture;
  Run_Loop(capture);
  return capture.text();
}

}  // namespace fm::bench
