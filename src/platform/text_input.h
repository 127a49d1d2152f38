// Reading whole numbers and words from a stream of bytes, the way every console reads the
// player's typed answers. Pure: the bytes come from a Byte_Source, so the same rules serve the
// terminal, the plain stream and the scripted test console.
#pragma once

#include <cstdint>
#include <string>

namespace fm {

class Byte_Source {
 public:
  virtual ~Byte_Source() = default;
  // The next byte without taking it, or -1 at the end of input.
  virtual int peek() = 0;
  // Takes the next byte, or returns -1 at the end of input.
  virtual int get() = 0;
};

// One whole number: skips white space, then an optional sign and decimal digits. The bytes after
// the number stay in the source. When no number stands there, or it lies outside the signed
// 32-bit range, the rest of the line (up to and including its line end) is discarded and the
// result is 0. Throws End_Of_Input when the input ends before anything but white space.
std::int32_t read_number_from(Byte_Source& source);

// One word: skips white space, then takes bytes up to the next white space (which stays).
// Throws End_Of_Input when the input ends before a word starts.
std::string read_word_from(Byte_Source& source);

}  // namespace fm
