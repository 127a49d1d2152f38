// The fire square: put it out, cook on it, walk into it.
#pragma once

namespace fm {

void Fire_Action();

}  // namespace fm
