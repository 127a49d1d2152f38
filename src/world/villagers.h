// The villagers of areas 1 and 4.
#pragma once

namespace fm {

void World1_NPC();
void World4_NPC();

}  // namespace fm
