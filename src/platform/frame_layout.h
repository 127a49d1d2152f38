// How a terminal frame is sent: a frame that fits the screen is drawn over the last one in place
// (no blank flash); a taller one is drawn after a full clear, so nothing of the last frame is left.
#pragma once

#include <string>
#include <string_view>

namespace fm {

struct Screen_Size {
  int rows = 24;
  int columns = 80;
};

// The bytes that draw `frame` (the text written since a screen clear) on a screen of `size`,
// starting from any screen content.
std::string lay_out_frame(std::string_view frame, Screen_Size size);

}  // namespace fm
