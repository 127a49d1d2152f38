#include "skills/experience.h"

namespace fm {

void Gain_Experience(Skill, std::int32_t) {}  // not built yet

}  // namespace fm
