// Rows placed by their heights, and the Tab order of a window made of parts.
#include "ports/layout.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

constexpr ControlLayout Row(ControlKind kind, int left, int width, int height) {
  return {.kind = kind,
          .id = 0,
          .text = {},
          .twips = {static_cast<std::int16_t>(left), 0, static_cast<std::int16_t>(width),
                    static_cast<std::int16_t>(height)},
          .tabIndex = -1};
}

// A group takes the rows that start inside its left edge; a control right of
// the one before shares its row, centred on it to the pixel (15 twips).
TEST(Layout, StacksRowsByTheirHeightsInsideTheirGroups) {
  constexpr ControlLayout rows[] = {
      Row(ControlKind::Group, 120, 3000, 0),      Row(ControlKind::CheckBox, 240, 2000, 255),
      Row(ControlKind::TextBox, 240, 1000, 390),  Row(ControlKind::Label, 1240, 500, 255),
      Row(ControlKind::Label, 120, 500, 390),     Row(ControlKind::Group, 120, 3000, 0),
      Row(ControlKind::CheckBox, 240, 2000, 255),
  };
  constexpr auto placed = Stack(105, rows);
  const int tops[] = {105, 405, 750, 810, 1350, 1830, 2130};
  for (std::size_t i = 0; i < std::size(tops); ++i) {
    EXPECT_EQ(placed[i].twips.top, tops[i]) << "row " << i;
    EXPECT_EQ(placed[i].twips.left, rows[i].twips.left) << "row " << i;
  }
  EXPECT_EQ(placed[0].twips.height, 1155);
  EXPECT_EQ(placed[5].twips.height, 675);
  EXPECT_EQ(placed[1].twips.height, 255);
}

// Parts joined keep their order, which is the Tab order, from 1.
TEST(Layout, TabOrderFollowsTheTableAcrossItsParts) {
  constexpr std::array<ControlLayout, 2> first{
      {Row(ControlKind::CheckBox, 120, 100, 255), Row(ControlKind::Label, 120, 100, 255)}};
  constexpr ControlLayout rest[] = {Row(ControlKind::Group, 120, 900, 0),
                                    Row(ControlKind::Button, 240, 600, 345)};
  constexpr auto all = InTabOrder(first, Stack(500, rest), first);
  const int kinds[] = {1, 0, 11, 6, 1, 0};
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].tabIndex, static_cast<int>(i) + 1);
    EXPECT_EQ(static_cast<int>(all[i].kind), kinds[i]);
  }
  EXPECT_EQ(BottomOf(all), 1265);
  EXPECT_EQ(RightOf(all), 1020);
}

}  // namespace
}  // namespace bw
