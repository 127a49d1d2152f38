#include "process/scripts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <queue>
#include <stdexcept>
#include <vector>

#include "core/game_state.h"
#include "save/save_file.h"
#include "world/areas.h"

namespace fm::bench {

namespace {

constexpr std::string_view Right = "\x1b[C";
constexpr std::string_view Left = "\x1b[D";
constexpr std::string_view Quit =
    "\x1b"
    "2\n";

struct Step {
  int dy;
  int dx;
  std::string_view key;
};
constexpr std::array<Step, 4> Steps = {{
    {1, 0, "\x1b[B"},
    {-1, 0, "\x1b[A"},
    {0, 1, Right},
    {0, -1, Left},
}};

// The keys that walk from the start square over open ground to a square beside a rock, and
// then into the rock; empty when the area has no such rock.
std::optional<std::string> path_to_rock() {
  struct Visit {
    int from = -1;
    int step = -1;
  };
  constexpr int Side = 100;
  std::vector<Visit> visits(Side * Side);
  std::queue<int> open;
  const int start = Game.y * Side + Game.x;
  visits[static_cast<std::size_t>(start)].from = start;
  open.push(start);
  while (!open.empty()) {
    const int at = open.front();
    open.pop();
    const int y = at / Side;
    const int x = at % Side;
    for (std::size_t s = 0; s < Steps.size(); ++s) {
      const int ny = y + Steps[s].dy;
      const int nx = x + Steps[s].dx;
      const char square = Game.square(ny, nx);
      if (square == 'M') {
        std::string keys(Steps[s].key);
        for (int back = at; back != start;) {
          const Visit& visit = visits[static_cast<std::size_t>(back)];
          keys.insert(0, Steps[static_cast<std::size_t>(visit.step)].key);
          back = visit.from;
        }
        return keys;
      }
      if (square != ' ') continue;
      const int next = ny * Side + nx;
      Visit& visit = visits[static_cast<std::size_t>(next)];
      if (visit.from >= 0) continue;
      visit = {at, static_cast<int>(s)};
      open.push(next);
    }
  }
  return std::nullopt;
}

}  // namespace

std::string new_game_opening() {
  return "1\nBench\n2\n";
}

std::string walking_script(int keys) {
  constexpr std::array<char, 3> Panels = {'q', 'w', 'e'};
  std::string script = new_game_opening();
  for (int i = 0; i < keys; ++i) {
    if (i % 1000 == 999) {
      script.push_back(Panels[static_cast<std::size_t>(i / 1000) % Panels.size()]);
    } else {
      script.append(i % 2 == 0 ? Right : Left);
    }
  }
  script.append(Quit);
  return script;
}

Mining_Setup blurite_mining() {
  for (std::int32_t area = 5; area <= 70; ++area) {
    reset_game_state();
    Game.Level_Sel = area;
    Load_World(area);
    const std::optional<std::string> path = path_to_rock();
    if (!path) continue;
    Game.pick = 1;
    Game.skill(Skill::Mining).Level = 5;
    Mining_Setup setup;
    setup.save_text = save_text(Game);
    // Load the game, walk to the rock, yes to mining, then option 3: Blurite.
    setup.script = "2\n" + *path + "1\n3\n";
    setup.after = std::string(Quit);
    return setup;
  }
  throw std::runtime_error("no area past 4 has a rock to walk to");
}

}  // namespace fm::bench
