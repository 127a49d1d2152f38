// The seventeen map templates as constant data. Seven are drawn out in full; the other ten
// are one of those with a few squares changed, and are derived from it when the program is
// compiled, so a change to a base template reaches its variants.
#include "world/templates.h"

#include <initializer_list>

namespace fm {

namespace {

// A template's field: rows 0 to 20, columns 0 to 46; NUL where a row ends early.
using Field = std::array<std::array<char, Field_Columns>, Field_Rows>;

constexpr Field Drawn(const std::array<std::string_view, Field_Rows>& rows) {
  Field field{};
  for (std::size_t row = 0; row < rows.size(); ++row)
    for (std::size_t column = 0; column < rows[row].size(); ++column)
      field[row][column] = rows[row][column];
  return field;
}

// One square of a variant that differs from its base template.
struct Change {
  int row;
  int column;
  char square;
};

constexpr Field With(Field field, std::initializer_list<Change> changes) {
  for (const Change& change : changes)
    field[static_cast<std::size_t>(change.row)][static_cast<std::size_t>(change.column)] =
        change.square;
  return field;
}

constexpr Field River_Map = Drawn({{
    "###############################################",
    "#@                                          WW#",
    "#            WWW                    1       WW#",
    "#            WWWW                          WW #",
    "#           WWW                   #        WW #",
    "#                                # #      WW  #",
    "#                     T         #   #    WW   #",
    "#   T                           #   #   WW    #",
    "#                               ##D##  WW     #",
    "#                               &       WW    #",
    "#                                  T    WW    #",
    "#               1   T            T       WW   #",
    "#     T                       T       T  WW   #",
    "#               T              T T T    WW    #",
    "#                                  T  TWW T   #",
    "#  p                             T     TWW    #",
    "#                              T    T T WWT   #",
    "#      T      1              T     T WWWWWW   #",
    "# +                           T   WWWWWWWWWWWW#",
    "#                                WWWWWWWWWWWWW#",
    "###############################################",
}});

constexpr Field Quarry_Map = Drawn({{
    "###############################################",
    "#@                                            #",
    "#                             MM              #",
    "#                            MMMM       a     #",
    "#                             MM              #",
    "#               MMM                           #",
    "#             MMMMM                    MMMM   #",
    "#       M     MMMMMMM                 MMMM    #",
    "#      MMM        MMMM                 MM     #",
    "#                   MMMMMMM                   #",
    "#       MM         MMMMMMMMMMMM               #",
    "#      MMMM      MMMMMM    MMMMM              #",
    "#            MMMMMMMMM        MMMMM           #",
    "#              MMMMM          MMMM            #",
    "#         M      MMMMMMMMM     MMM            #",
    "#        MMM       MMMMMMM    MMM             #",
    "#         M                                   #",
    "#                                             #",
    "#   -                                    +    #",
    "#                                             #",
    "###############################################",
}});

constexpr Field Pond_Map = Drawn({{
    "###############################################",
    "#@                              WWWWWWWWWWWWW #",
    "#      T                   T   WWWW       WWW #",
    "#               T               WW     T   WWW#",
    "#             WWW                WWW      WW  #",
    "#         T   WWW         T    T WWWWWWWWWWW  #",
    "#              WWW                   WWWWW    #",
    "#                 f                           #",
    "#T                            T               #",
    "#                                             #",
    "#           T         WW                      #",
    "#                    WWWW           T         #",
    "#                     WW   T                  #",
    "#               T                             #",
    "#                                        T    #",
    "#    T                    W        T          #",
    "#                        WWW                  #",
    "#            T            W                   #",
    "#   -                     T              +    #",
    "#                                             #",
    "###############################################",
}});

constexpr Field Village_Map = Drawn({{
    "###############################################",
    "#@                                            #",
    "#                                       WWT   #",
    "#                  #         T         TWWWW  #",
    "#                 # #           #        WWT  #",
    "#       T        #   #         # #      T     #",
    "#                ##D##        #   #           #",
    "#                            #&   C#          #",
    "#                            ###D###          #",
    "#           T                                 #",
    "#                                             #",
    "#               #                             #",
    "#    T         # #           T        #       #",
    "#             #  F#                  # #      #",
    "#             ##D##                 #   #     #",
    "#                     #            #     #    #",
    "#       T            # #          #   &   #   #",
    "#                   #  B#         #     + #   #",
    "#  -         T      ##D##         ####D####   #",
    "#                                             #",
    "###############################################",
}});

constexpr Field Ruins_Map = Drawn({{
    "###############################################",
    "#@   +                                        #",
    "#                                         1   #",
    "#      1                                      #",
    "#           #####################             #",
    "#           #                   #             #",
    "#           #                   #             #",
    "#           #     #########     #             #",
    "#           #     #       #     #             #",
    "#           #     #   E   #     #             #",
    "#           #                   #             #",
    "#           #  1                #             #",
    "#           #     #########     #             #",
    "#           #     #       #     #             #",
    "#           #     #########     #    1        #",
    "#           #                   #             #",
    "#          1                 1  #             #",
    "#           #####################             #",
    "#    -                                        #",
    "#                          1                  #",
    "###############################################",
}});

constexpr Field Woods_Map = Drawn({{
    "###############################################",
    "#@                               TTTT         #",
    "#                          TT  TT    TTTT     #",
    "#               T          T    T TT TT       #",
    "#                            TT   T T T       #",
    "#                           TTT   TT TTT      #",
    "#                MM                           #",
    "#               MMMM                     T    #",
    "#                 MMMMMMM                     #",
    "#                   MMMMMMMM                  #",
    "#                   MMMMMMMMMMMM              #",
    "#                     MMMMMMMMM               #",
    "#                       MMMMMM                #",
    "#                         MM                  #",
    "#                                             #",
    "#                              T              #",
    "#         T                                   #",
    "#                                             #",
    "#    -                                 +      #",
    "#                                             #",
    "###############################################",
}});

constexpr Field Field_Map = Drawn({{
    "###############################################",
    "#@                                            #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#                                             #",
    "#    -                                 +      #",
    "#                                             #",
    "###############################################",
}});

// Area 1 once the pick axe is taken: no pick axe, and its three monsters stand elsewhere.
constexpr Field River_Map_Taken =
    With(River_Map, {{15, 3, ' '}, {2, 36, ' '}, {17, 14, ' '}, {3, 26, '1'}, {9, 7, '1'}});
constexpr Field Quarry_Map_Taken = With(Quarry_Map, {{3, 40, ' '}});
constexpr Field Pond_Map_Taken = With(Pond_Map, {{7, 18, ' '}});

// The field with the strip "-+MWT" in row 1 from column c on: two more exits and three squares
// to gather from, a few steps right of the start square.
constexpr Field Strip(int c) {
  return With(Field_Map,
              {{1, c, '-'}, {1, c + 1, '+'}, {1, c + 2, 'M'}, {1, c + 3, 'W'}, {1, c + 4, 'T'}});
}
constexpr Field Strip_Map_4 = Strip(4);
constexpr Field Strip_Map_5 = Strip(5);
constexpr Field Strip_Map_6 = Strip(6);
constexpr Field Strip_Map_7 = Strip(7);
constexpr Field Strip_Map_8 = Strip(8);
constexpr Field Strip_Map_9 = Strip(9);

// The last area: no exit forward, and row 18 one square shorter, its wall in column 45.
constexpr Field End_Map = With(Field_Map, {{18, 39, ' '}, {18, 45, '#'}, {18, 46, '\0'}});

// Each row of a field as its text up to the first NUL.
constexpr Template_Rows Rows_Of(const Field& field) {
  Template_Rows rows{};
  for (std::size_t row = 0; row < field.size(); ++row) {
    std::size_t length = 0;
    while (length < field[row].size() && field[row][length] != '\0') ++length;
    rows[row] = std::string_view(field[row].data(), length);
  }
  return rows;
}

}  // namespace

const Template_Rows& Template_Data(Map_Template which) {
  static constexpr std::array<Template_Rows, Template_Count> rows = {{
      Rows_Of(River_Map),
      Rows_Of(River_Map_Taken),
      Rows_Of(Quarry_Map),
      Rows_Of(Quarry_Map_Taken),
      Rows_Of(Pond_Map),
      Rows_Of(Pond_Map_Taken),
      Rows_Of(Village_Map),
      Rows_Of(Ruins_Map),
      Rows_Of(Woods_Map),
      Rows_Of(Strip_Map_4),
      Rows_Of(Strip_Map_5),
      Rows_Of(Strip_Map_6),
      Rows_Of(Strip_Map_7),
      Rows_Of(Strip_Map_8),
      Rows_Of(Strip_Map_9),
      Rows_Of(Field_Map),
      Rows_Of(End_Map),
  }};
  return rows[static_cast<std::size_t>(which)];
}

}  // namespace fm
