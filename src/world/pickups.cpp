#include "world/pickups.h"

namespace fm {

void Take_Pickaxe() {}  // not built yet
void Take_Axe() {}  // not built yet
void Take_Fishingpole() {}  // not built yet
void Door_Action() {}  // not built yet

}  // namespace fm
