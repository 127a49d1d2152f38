#include "support/scripted_console.h"

namespace fm::testing {

Scripted_Console& Scripted_Console::keys(std::initializer_list<Key> pressed) {
  key_waits_.emplace_back(pressed);
  return *this;
}

Scripted_Console& Scripted_Console::other_key() {
  key_waits_.emplace_back();
  return *this;
}

Scripted_Console& Scripted_Console::type(std::string_view text) {
  typed_.append(text);
  return *this;
}

Scripted_Console& Scripted_Console::answer(std::int64_t number) {
  return type(std::to_string(number) + "\n");
}

std::string Scripted_Console::since_last_clear() const {
  const std::size_t at = output_.rfind(Clear_Mark);
  return at == std::string::npos ? output_ : output_.substr(at + Clear_Mark.size());
}

void Scripted_Console::clear_screen() {
  output_.append(Clear_Mark);
}

void Scripted_Console::write(std::string_view text) {
  output_.append(text);
}

std::int32_t Scripted_Console::read_number() {
  return read_number_from(*this);
}

std::string Scripted_Console::read_word() {
  return read_word_from(*this);
}

void Scripted_Console::wait_for_key() {
  if (next_wait_ >= key_waits_.size()) throw End_Of_Input();
  pressed_ = key_waits_[next_wait_++];
}

bool Scripted_Console::was_pressed(Key key) {
  return pressed_.contains(key);
}

void Scripted_Console::sleep_until(std::int64_t target) {
  if (target > clock_) {
    sleeps_.push_back(target - clock_);
    clock_ = target;
  }
}

int Scripted_Console::peek() {
  return typed_pos_ < typed_.size() ? static_cast<unsigned char>(typed_[typed_pos_]) : -1;
}

int Scripted_Console::get() {
  const int c = peek();
  if (c >= 0) ++typed_pos_;
  return c;
}

}  // namespace fm::testing
