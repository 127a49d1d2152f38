#include "skills/fire.h"

namespace fm {

void Fire_Action() {}  // not built yet

}  // namespace fm
