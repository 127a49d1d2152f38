// The line end of the save file on this platform: the one a text-mode stream writes, so the file
// reads as an ordinary text file there (CR LF on Windows, LF elsewhere). The reader takes either.
#pragma once

#include <string>
#include <string_view>

namespace fm {

#ifdef _WIN32
inline constexpr std::string_view Native_Line_End = "\r\n";
#else
inline constexpr std::string_view Native_Line_End = "\n";
#endif

// `text` with every LF written as `line_end`.
inline std::string with_line_ends(std::string_view text, std::string_view line_end) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    if (c == '\n') {
      out += line_end;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace fm
