#include "platform/wall_clock.h"

#include <cerrno>
#include <ctime>

namespace fm {

std::int64_t wall_clock_seconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int64_t>(now.tv_sec);
}

void sleep_until_second(std::int64_t target) {
  timespec until{};
  until.tv_sec = static_cast<time_t>(target);
  // An absolute deadline: an interrupted sleep resumes towards the same second, and a wall clock
  // set forward ends it early as it should.
  while (wall_clock_seconds() < target) {
    const int failed = clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &until, nullptr);
    if (failed != 0 && failed != EINTR) return;
  }
}

}  // namespace fm
