#include "world/villagers.h"

namespace fm {

void World1_NPC() {}  // not built yet
void World4_NPC() {}  // not built yet

}  // namespace fm
