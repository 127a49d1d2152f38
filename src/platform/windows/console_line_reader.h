// The player's typed answers, read from the Windows console input in its line mode (with echo
// and line editing), as bytes in UTF-8 for the number and word reader. The rest of a line stays
// for the next read, as with a text stream.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "platform/text_input.h"

namespace fm {

class Console_Line_Reader final : public Byte_Source {
 public:
  explicit Console_Line_Reader(HANDLE in) : in_(in) {}

  int peek() override;
  int get() override;

 private:
  // Reads one line (or what the console hands over) into the buffer. False once the input has
  // ended: the console is gone, or the player typed Ctrl-Z, which ends the input as it does for
  // a text stream reading a console. The end is kept.
  bool fill();

  HANDLE in_;
  std::string buffer_;
  std::size_t next_ = 0;
  bool ended_ = false;
};

}  // namespace fm
