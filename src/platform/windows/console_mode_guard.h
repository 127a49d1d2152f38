// Leaves the Windows console as it was found. The input and output modes are saved once, when the
// guard starts, and put back when it ends (normal quit, end of input, an error) and from the
// console's control handler: Ctrl-C, Ctrl-Break, closing the window, logging off or shutting
// down. Only one guard exists at a time.
#pragma once

#include <windows.h>

namespace fm {

class Console_Mode_Guard {
 public:
  // Saves the modes of the console handles `in` and `out` and installs the control handler.
  // Throws std::system_error when either is not a console.
  Console_Mode_Guard(HANDLE in, HANDLE out);
  // Puts the saved modes back and removes the control handler.
  ~Console_Mode_Guard();

  Console_Mode_Guard(const Console_Mode_Guard&) = delete;
  Console_Mode_Guard& operator=(const Console_Mode_Guard&) = delete;

  DWORD saved_input_mode() const { return saved_in_; }
  DWORD saved_output_mode() const { return saved_out_; }

  // Puts the input into `mode` (nothing happens when it is in force already). False when the
  // console refuses it.
  bool set_input_mode(DWORD mode);
  // Puts the output into `mode`; false when the console refuses it.
  bool set_output_mode(DWORD mode);
  // The output mode in force, as the console reports it.
  DWORD output_mode() const;

 private:
  HANDLE in_;
  HANDLE out_;
  DWORD saved_in_ = 0;
  DWORD saved_out_ = 0;
  DWORD input_now_ = 0;
};

}  // namespace fm
