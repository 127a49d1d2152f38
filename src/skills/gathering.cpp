#include "skills/gathering.h"

namespace fm {

void Start_Mining() {}  // not built yet
void Start_Fishing() {}  // not built yet
void Start_Chopping() {}  // not built yet

}  // namespace fm
