// The three status panels under the map. Each prints its contents or a one-line hint.
#pragma once

namespace fm {

void Items_List();
void Skills_List();
void Location();

}  // namespace fm
