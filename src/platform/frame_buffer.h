// The output of a console that draws frames in place: text is buffered until it is sent, a screen
// clear starts a frame, and what is sent draws that frame over the last one (frame_layout.h).
// The terminal console and the Windows console both send their output through one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/frame_layout.h"

namespace fm {

class Frame_Buffer {
 public:
  void write(std::string_view text) { out_.append(text); }

  // A screen clear: a new frame starts here. Text of a frame not yet sent would be wiped by the
  // clear before anyone saw it, so it is dropped; so is all unsent text when `unsent_text_wiped`
  // (the clear blanks the screen that text would have gone to).
  void start_frame(bool unsent_text_wiped) {
    if (frame_open_) {
      out_.resize(frame_start_);
    } else if (unsent_text_wiped) {
      out_.clear();
    }
    frame_open_ = true;
    frame_start_ = out_.size();
  }

  bool empty() const { return out_.empty() && !frame_open_; }
  bool frame_open() const { return frame_open_; }

  // Everything buffered, ready to send in one write, and the buffer empty again. An open frame is
  // laid out for the screen size that `screen_size()` tells (asked only then), after
  // `before_frame` (such as the switch to another screen).
  template <typename Screen_Size_Query>
  std::string take(Screen_Size_Query screen_size, std::string_view before_frame = {}) {
    std::string chunk;
    if (!frame_open_) {
      chunk.swap(out_);
      return chunk;
    }
    chunk.assign(out_, 0, frame_start_);
    chunk.append(before_frame);
    chunk.append(lay_out_frame(std::string_view(out_).substr(frame_start_), screen_size()));
    out_.clear();
    frame_open_ = false;
    return chunk;
  }

 private:
  std::string out_;
  std::size_t frame_start_ = 0;  // where the open frame's text starts in out_
  bool frame_open_ = false;      // a screen clear has started a frame not yet sent
};

}  // namespace fm
