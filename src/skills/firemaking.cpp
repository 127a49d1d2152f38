#include "skills/firemaking.h"

namespace fm {

void Tab_Action() {}  // not built yet

}  // namespace fm
