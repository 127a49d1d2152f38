#include "platform/pause.h"

#include "platform/console.h"

namespace fm {

void pause(std::int32_t seconds) {
  Console& con = console();
  const std::int64_t target = con.now_seconds() + seconds;
  con.flush();
  while (con.now_seconds() < target) con.sleep_until(target);
}

}  // namespace fm
