#include "platform/windows/console_line_reader.h"

#include <array>

namespace fm {

namespace {
constexpr char Ctrl_Z = '\x1a';
}

int Console_Line_Reader::peek() {
  if (next_ == buffer_.size() && !fill()) return -1;
  return static_cast<unsigned char>(buffer_[next_]);
}

int Console_Line_Reader::get() {
  const int c = peek();
  if (c >= 0) ++next_;
  return c;
}

bool Console_Line_Reader::fill() {
  if (ended_) return false;
  buffer_.clear();
  next_ = 0;
  std::array<wchar_t, 1024> typed{};
  DWORD got = 0;
  if (ReadConsoleW(in_, typed.data(), static_cast<DWORD>(typed.size()), &got, nullptr) == 0 ||
      got == 0) {
    ended_ = true;  // the console is gone (or the read was cut short by Ctrl-C)
    return false;
  }
  const int wide = static_cast<int>(got);
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, typed.data(), wide, nullptr, 0, nullptr, nullptr);
  buffer_.resize(static_cast<std::size_t>(size > 0 ? size : 0));
  WideCharToMultiByte(CP_UTF8, 0, typed.data(), wide, buffer_.data(), size, nullptr, nullptr);
  if (const std::size_t end = buffer_.find(Ctrl_Z); end != std::string::npos) {
    buffer_.resize(end);
    ended_ = true;
  }
  return next_ < buffer_.size() || fill();
}

}  // namespace fm
