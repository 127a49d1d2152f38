// Reading and writing a file descriptor with read(2) and write(2): a buffered reader that serves
// the typed answers and the stream's keys, and a writer that sends a whole buffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text_input.h"

namespace fm {

class Fd_Reader final : public Byte_Source {
 public:
  explicit Fd_Reader(int fd) : fd_(fd) {}

  int peek() override { return peek_at(0); }
  int get() override;
  // The byte `ahead` places after the next one, reading (and blocking) until it is there; -1 when
  // the input ends first.
  int peek_at(std::size_t ahead);
  // Takes `count` bytes already looked at.
  void skip(std::size_t count);
  // Bytes read from the descriptor and not yet taken.
  std::size_t buffered() const { return buffer_.size() - next_; }

 private:
  // One read into the buffer. False once the input has ended (or failed): the end is kept, so
  // a closed input is never read again.
  bool fill();

  int fd_;
  std::string buffer_;
  std::size_t next_ = 0;
  bool ended_ = false;
};

// One read of up to `size` bytes from `fd`, waiting for them if need be: how many were read, 0 at
// the end of input, -1 when the input can no longer be read. Each platform has its own.
long read_some(int fd, char* into, std::size_t size);

// Writes all of `data` to `fd` (retrying partial and interrupted writes). False when the output
// can no longer be written.
bool write_all(int fd, std::string_view data);

}  // namespace fm
