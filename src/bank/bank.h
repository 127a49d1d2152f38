// The bank of area 4: moves items between the inventory and the bank.
#pragma once

namespace fm {

void Bank_Action();

}  // namespace fm
