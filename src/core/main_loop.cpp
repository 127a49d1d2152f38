#include "core/main_loop.h"
namespace fm {
void Game_Mechanics() {}  // not built yet
}  // namespace fm
