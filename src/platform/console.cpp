#include "platform/console.h"

#include <cassert>

namespace fm {

namespace {
Console* installed_console = nullptr;
}

Console& console() {
  assert(installed_console != nullptr && "no console installed");
  return *installed_console;
}

void install_console(Console* installed) {
  installed_console = installed;
}

}  // namespace fm
