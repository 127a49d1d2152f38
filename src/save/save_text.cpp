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

// Hands out the white-space-separated words of a text one by one.
class Word_Reader {
 public:
  explicit Word_Reader(std::string_view text) : text_(text) {}

  // The next word, or an empty view at the end of the text.
  std::string_view next() {
    while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !is_blank(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// A whole word read as a signed 32-bit number: an optional sign and decimal digits, nothing else.
std::optional<std::int32_t> whole_number(std::string_view word) {
  if (word.size() >= 2 && word[0] == '+' && word[1] != '-') word.remove_prefix(1);
  std::int32_t value = 0;
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

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
  Word_Reader words(text);
  for (const Save_Line& line : Save_Lines) {
    const std::string_view word = words.next();
    if (word.empty()) return;  // the text ended early: this and later fields keep their values
    if (line.kind == Save_Line::Kind::Name) {
      // The whole word is taken, however long, so the next value is still the area number.
      state.Player_Name = Clean_Name(word);
      continue;
    }
    const std::optional<std::int32_t> value = whole_number(word);
    if (!value) return;  // not a whole number in range: reading stops here
    number_of(state, line) = *value;
  }
}

}  // namespace fm
