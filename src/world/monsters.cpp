#include "world/monsters.h"

namespace fm {

void Monster_1() {}  // not built yet

}  // namespace fm
