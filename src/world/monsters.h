// Random monster encounters on the "1" squares of areas 1 to 24.
#pragma once

namespace fm {

void Monster_1();

}  // namespace fm
