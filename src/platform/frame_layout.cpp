#include "platform/frame_layout.h"

#include <cstddef>
#include <vector>

namespace fm {

namespace {

constexpr std::string_view Home = "\x1b[H";
constexpr std::string_view Clear_All = "\x1b[2J";
constexpr std::string_view Clear_Line_End = "\x1b[K";
constexpr std::string_view Clear_Screen_End = "\x1b[J";

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n')) {
    lines.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  lines.push_back(text);  // the line the cursor ends on, often empty
  return lines;
}

// A line exactly as wide as the screen leaves the cursor waiting to wrap; a clear-to-end sent
// there would erase the last character, so such a line gets none.
bool ends_at_right_edge(std::string_view line, std::size_t columns) {
  return !line.empty() && line.size() % columns == 0;
}

}  // namespace

std::string lay_out_frame(std::string_view frame, Screen_Size size) {
  const std::size_t rows = size.rows > 0 ? static_cast<std::size_t>(size.rows) : 24;
  const std::size_t columns = size.columns > 0 ? static_cast<std::size_t>(size.columns) : 80;
  const std::vector<std::string_view> lines = split_lines(frame);

  std::size_t rows_needed = 0;
  for (const std::string_view line : lines) {
    rows_needed += line.empty() ? 1 : (line.size() + columns - 1) / columns;
  }
  const bool fits = rows_needed <= rows && !ends_at_right_edge(lines.back(), columns);

  std::string out;
  out.reserve(frame.size() + lines.size() * Clear_Line_End.size() + 16);
  out.append(Home);
  if (!fits) {
    out.append(Clear_All);
    out.append(frame);
    return out;
  }
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    out.append(lines[i]);
    if (!ends_at_right_edge(lines[i], columns)) out.append(Clear_Line_End);
    out.push_back('\n');
  }
  out.append(lines.back());
  out.append(Clear_Screen_End);
  return out;
}

}  // namespace fm
