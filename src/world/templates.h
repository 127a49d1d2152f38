// The seventeen map templates. Each holds rows 0 to 20 of an area's field; a template stands for
// the full 100 x 100 grid with NUL in every other square.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fm {

enum class Map_Template : std::uint8_t {
  River_Map,
  River_Map_Taken,
  Quarry_Map,
  Quarry_Map_Taken,
  Pond_Map,
  Pond_Map_Taken,
  Village_Map,
  Ruins_Map,
  Woods_Map,
  Strip_Map_4,
  Strip_Map_5,
  Strip_Map_6,
  Strip_Map_7,
  Strip_Map_8,
  Strip_Map_9,
  Field_Map,
  End_Map
};
inline constexpr int Template_Count = 17;

inline constexpr int Field_Rows = 21;     // rows 0 to 20 carry the field
inline constexpr int Field_Columns = 47;  // columns 0 to 46

using Template_Rows = std::array<std::string_view, Field_Rows>;

// Rows 0 to 20 of a template, each as its characters from column 0 up to the first NUL.
const Template_Rows& Template_Data(Map_Template which);

}  // namespace fm
