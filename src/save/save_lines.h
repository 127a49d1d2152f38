// The order of the save file: which field of the game state each of its 149 lines holds. The
// writer and the reader both walk this one table, so they cannot disagree on the order.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>

#include "core/game_state.h"

namespace fm {

// Where the value of one line lives in the game state.
struct Save_Line {
  enum class Kind : std::uint8_t {
    Name,     // Player_Name, written as one word
    Field,    // a plain integer field of Game_State
    Skill,    // one of the three fields of a skill
    Carried,  // an inventory counter
    Banked,   // a bank counter
  };
  Kind kind = Kind::Name;
  std::int32_t Game_State::*field = nullptr;   // Kind::Field
  fm::Skill skill = fm::Skill::Health;         // Kind::Skill
  std::int32_t Skill_Record::*part = nullptr;  // Kind::Skill
  Item item = Rune_Essence;                    // Kind::Carried and Kind::Banked
};

inline constexpr std::size_t Save_Line_Count = 149;

namespace detail {

constexpr std::array<Save_Line, Save_Line_Count> make_save_lines() {
  using Kind = Save_Line::Kind;
  std::array<Save_Line, Save_Line_Count> lines{};
  std::size_t n = 0;
  lines[n++] = {.kind = Kind::Name};
  lines[n++] = {.kind = Kind::Field, .field = &Game_State::Level_Sel};
  lines[n++] = {.kind = Kind::Field, .field = &Game_State::pick};
  lines[n++] = {.kind = Kind::Field, .field = &Game_State::pole};
  lines[n++] = {.kind = Kind::Field, .field = &Game_State::axe};
  // The trained skills in the file's own order, which is not the order of the skills panel.
  for (const Skill skill :
       {Skill::Fishing, Skill::Woodcutting, Skill::Mining, Skill::Firemaking, Skill::Cooking}) {
    for (std::int32_t Skill_Record::*part :
         {&Skill_Record::Level, &Skill_Record::Skill, &Skill_Record::Skill_M}) {
      lines[n++] = {.kind = Kind::Skill, .skill = skill, .part = part};
    }
  }
  // Rune_Essence is carried by nobody, so its inventory counter is not in the file.
  for (int item = Copper_Ore; item < Item_Count; ++item) {
    lines[n++] = {.kind = Kind::Carried, .item = static_cast<Item>(item)};
  }
  for (int item = Rune_Essence; item < Item_Count; ++item) {
    lines[n++] = {.kind = Kind::Banked, .item = static_cast<Item>(item)};
  }
  lines[n++] = {.kind = Kind::Field, .field = &Game_State::total};
  lines[n++] = {.kind = Kind::Field, .field = &Game_State::bank};
  // A table that does not fill exactly 149 lines does not compile: the write past the end (or
  // this check) is not a constant expression.
  if (n != Save_Line_Count) throw "the save table must hold exactly 149 lines";
  return lines;
}

}  // namespace detail

// Line n of the file (counted from 1) is Save_Lines[n - 1].
inline constexpr std::array<Save_Line, Save_Line_Count> Save_Lines = detail::make_save_lines();

static_assert(Save_Lines[0].kind == Save_Line::Kind::Name);
static_assert(Save_Lines[5].skill == Skill::Fishing && Save_Lines[19].skill == Skill::Cooking);
static_assert(Save_Lines[20].kind == Save_Line::Kind::Carried && Save_Lines[20].item == Copper_Ore);
static_assert(Save_Lines[82].kind == Save_Line::Kind::Carried &&
              Save_Lines[82].item == Crystal_Log);
static_assert(Save_Lines[83].kind == Save_Line::Kind::Banked &&
              Save_Lines[83].item == Rune_Essence);
static_assert(Save_Lines[146].kind == Save_Line::Kind::Banked &&
              Save_Lines[146].item == Crystal_Log);
static_assert(Save_Lines[147].field == &Game_State::total);
static_assert(Save_Lines[148].field == &Game_State::bank);

// The integer that a number line (any line but the name) holds in `state`. Works on a const
// state for the writer and on a mutable one for the reader.
template <typename State>
auto& number_of(State& state, const Save_Line& line) {
  switch (line.kind) {
    case Save_Line::Kind::Field:
      return state.*line.field;
    case Save_Line::Kind::Skill:
      return state.skill(line.skill).*line.part;
    case Save_Line::Kind::Carried:
      return state.Inventory[line.item];
    case Save_Line::Kind::Banked:
      return state.B[line.item];
    case Save_Line::Kind::Name:
      break;
  }
  std::abort();  // the name line holds no integer; the callers treat it on its own
}

}  // namespace fm
