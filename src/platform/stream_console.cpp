#include "platform/stream_console.h"

#include "platform/key_decoder.h"
#include "platform/text_input.h"
#include "platform/wall_clock.h"

namespace fm {

namespace {
constexpr std::string_view Clear_Sequence = "\x1b[H\x1b[2J";
}

Stream_Console::~Stream_Console() {
  if (!out_.empty()) write_all(out_fd_, out_);  // a reader that has gone can be told nothing
}

void Stream_Console::clear_screen() {
  out_.append(Clear_Sequence);
}

std::int32_t Stream_Console::read_number() {
  flush();
  return read_number_from(in_);
}

std::string Stream_Console::read_word() {
  flush();
  return read_word_from(in_);
}

void Stream_Console::wait_for_key() {
  flush();
  pressed_.reset();
  for (int c = in_.peek();; c = in_.peek()) {
    if (c < 0) throw End_Of_Input();
    if (c != '\r' && c != '\n' && c != ' ') break;
    in_.get();
  }
  const int c = in_.get();
  if (c != Escape_Byte) {
    pressed_ = single_byte_key(static_cast<unsigned char>(c));
    return;
  }
  // ESC [ X and ESC O X name an arrow; ESC before anything else is Esc, and what follows it is
  // left for the next key wait.
  const int intro = in_.peek_at(0);
  if (intro == '[' || intro == 'O') {
    if (const std::optional<Key> arrow = arrow_key(in_.peek_at(1))) {
      in_.skip(2);
      pressed_ = arrow;
      return;
    }
  }
  pressed_ = Key::Esc;
}

std::int64_t Stream_Console::now_seconds() {
  return wall_clock_seconds();
}

void Stream_Console::sleep_until(std::int64_t target) {
  flush();
  sleep_until_second(target);
}

void Stream_Console::flush() {
  if (out_.empty()) return;
  const bool sent = write_all(out_fd_, out_);
  out_.clear();
  // Nobody reads the game any more (the pipe's reader has gone): the game ends as at the end of
  // its input, rather than playing on blind.
  if (!sent) throw End_Of_Input();
}

}  // namespace fm
