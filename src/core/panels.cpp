#include "core/panels.h"
namespace fm {
void Items_List() {}  // not built yet
void Skills_List() {}
void Location() {}
}  // namespace fm
