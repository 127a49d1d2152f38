#include "platform/frame_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace fm {
namespace {

struct Layout_Case {
  const char* name;
  std::string frame;
  Screen_Size size;
  std::string expected;
};

const Layout_Case Cases[] = {
    {"fits: drawn in place, every line cleared to its end, the rest of the screen cleared",
     "ab\n\ncd\n",
     {4, 10},
     "\x1b[Hab\x1b[K\n\x1b[K\ncd\x1b[K\n\x1b[J"},
    {"ends on a prompt line: cleared after the prompt",
     "map\nChoice: ",
     {2, 10},
     "\x1b[Hmap\x1b[K\nChoice: \x1b[J"},
    {"one line too tall: full clear first", "1\n2\n3\n4\n", {4, 10}, "\x1b[H\x1b[2J1\n2\n3\n4\n"},
    {"long lines wrap and take more rows",
     std::string(25, 'x') + "\n",
     {3, 10},
     "\x1b[H\x1b[2J" + std::string(25, 'x') + "\n"},
    {"a line as wide as the screen gets no clear that would eat its last letter",
     std::string(10, 'y') + "\nz",
     {3, 10},
     "\x1b[H" + std::string(10, 'y') + "\nz\x1b[J"},
    {"a last line as wide as the screen falls back to a full clear",
     "a\n" + std::string(10, 'y'),
     {5, 10},
     "\x1b[H\x1b[2Ja\n" + std::string(10, 'y')},
    {"unknown size counts as 24 rows of 80",
     std::string(30, '\n'),
     {0, 0},
     "\x1b[H\x1b[2J" + std::string(30, '\n')},
    {"empty frame blanks the screen in place", "", {24, 80}, "\x1b[H\x1b[J"},
};

TEST(Frame_Layout, DrawsInPlaceWhenTheFrameFitsAndAfterAFullClearOtherwise) {
  for (const Layout_Case& c : Cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(lay_out_frame(c.frame, c.size), c.expected);
  }
}

}  // namespace
}  // namespace fm
