// The text form of a save: the writer and the reader of the 149 lines, both pure.
#include <charconv>
#include <optional>

#include "core/player_name.h"
#include "save/save_file.h"
#include "save/save_lines.h"

namespace fm {

namespace {

// White space separates values; the line structure means nothing to the reader, so a file whose
// values stand on one line loads the same. Only the ASCII blanks count, whatever the locale.
constexpr bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads the values of a save text one after the other, the way a text stream reads them: each
// read first skips white space, and a number ends at the first byte that cannot continue it.
class Value_Reader {
 public:
  explicit Value_Reader(std::string_view text) : text_(text) {}

  // The next word, or an empty view at the end of the text.
  std::string_view word() {
    skip_blanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !is_blank(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  // The next whole number: an optional sign, then decimal digits, up to the first byte that is
  // not a digit (which stays for the next read, so "12abc" reads as 12 and the read after it
  // fails). Nothing when no digit stands there or the number lies outside the signed 32-bit
  // range.
  std::optional<std::int32_t> number() {
    skip_blanks();
    std::size_t end = pos_;
    if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
    const std::size_t digits = end;
    while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
    if (end == digits) return std::nullopt;
    // from_chars takes a minus sign but not a plus sign.
    const std::size_t start = text_[pos_] == '+' ? pos_ + 1 : pos_;
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(text_.data() + start, text_.data() + end, value);
    if (error != std::errc{} || stop != text_.data() + end) return std::nullopt;
    pos_ = end;
    return value;
  }

 private:
  void skip_blanks() {
    while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Written in place of an empty name. A name cannot be written as an empty line: the reader skips
// white space, so it would take the area number for the name and every later value one line
// early. No name holds a control character, so name cleaning turns this word back into the
// empty name and the reader needs no special case for it.
constexpr char Empty_Name_Mark = '\x7F';

// The name as the one word the reader will read back: the characters that are neither white
// space nor control characters, at most 15 of them.
std::string name_word(const Game_State& state) {
  std::string word;
  for (const char c : Name_Text(state.Player_Name)) {
    const auto byte = static_cast<unsigned char>(c);
    if (is_blank(c) || byte < 0x20 || byte == 0x7F) continue;
    if (word.size() == Name_Capacity - 1) break;
    word += c;
  }
  if (word.empty()) word = Empty_Name_Mark;
  return word;
}

}  // namespace

std::string save_text(const Game_State& state) {
  std::string text;
  text.reserve(Save_Line_Count * 12);
  for (const Save_Line& line : Save_Lines) {
    if (line.kind == Save_Line::Kind::Name) {
      text += name_word(state);
    } else {
      text += std::to_string(number_of(state, line));
    }
    text += '\n';
  }
  return text;
}

void load_text(std::string_view text, Game_State& state) {
  Value_Reader values(text);
  for (const Save_Line& line : Save_Lines) {
    if (line.kind == Save_Line::Kind::Name) {
      const std::string_view word = values.word();
      if (word.empty()) return;  // the text ended early: every field keeps its value
      // The whole word is taken, however long, so the next value is still the area number.
      state.Player_Name = Clean_Name(word);
      continue;
    }
    // The text ended early, or no whole number in range stands here: reading stops, and this
    // field and all later ones keep their values.
    const std::optional<std::int32_t> value = values.number();
    if (!value) return;
    number_of(state, line) = *value;
  }
}

}  // namespace fm
