#include "world/areas.h"
namespace fm {
void Level_Select() {}  // not built yet
void Load_World(std::int32_t) {}
}  // namespace fm
