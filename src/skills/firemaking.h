// Firemaking, the action of the Tab key: burns a log into a fire next to the player.
#pragma once

namespace fm {

void Tab_Action();

}  // namespace fm
