#include "core/start_menu.h"
namespace fm {
void Start_Menu() {}  // not built yet
void Player_Create() {}
void Gambeling() {}
}  // namespace fm
