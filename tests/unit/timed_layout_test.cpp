#include "timed/timed_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace bw {
namespace {

const ControlSpec* Find(std::string_view name) {
  for (const ControlSpec& c : TimedDisableForm().controls) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

using Pixels = std::array<int, 4>;  // left, top, width, height

Pixels InPixels(const Rect& t) {
  return {TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width),
          TwipsToPixels(t.height)};
}

struct DesignedControl {
  const char* name;
  ControlKind kind;
  const char* text;
  Pixels pixels;
  int tabIndex;
};

TEST(TimedLayout, ControlsMatchTheDesignedPixelsTextsAndTabOrder) {
  const FormSpec& form = TimedDisableForm();
  EXPECT_STREQ(form.caption, "Timed");
  EXPECT_EQ(TwipsToPixels(form.clientWidth), 209);
  EXPECT_EQ(TwipsToPixels(form.clientHeight), 130);
  EXPECT_STREQ(form.font->face, "Tahoma");
  EXPECT_EQ(form.font->hundredthsOfPoint, 825);
  EXPECT_EQ(form.font->charset, 161);
  const DesignedControl designed[] = {
      {"imgAnimClock", ControlKind::Image, "", {13, 4, 32, 32}, -1},
      {"lblPrompt", ControlKind::Label, "Screen Saver will be disabled for:", {56, 8, 145, 33}, 0},
      {"txtHours", ControlKind::TextBox, "0", {16, 40, 24, 19}, 1},
      {"updnHours", ControlKind::UpDown, "", {40, 40, 17, 19}, 2},
      {"lblHours", ControlKind::Label, "hours", {62, 43, 41, 17}, 3},
      {"txtMinutes", ControlKind::TextBox, "0", {104, 40, 24, 19}, 4},
      {"updnMinutes", ControlKind::UpDown, "", {128, 40, 17, 19}, 5},
      {"lblMinutes", ControlKind::Label, "minutes", {150, 43, 49, 17}, 6},
      {"chkStartOnExpire",
       ControlKind::CheckBox,
       "Start SS immediately after the timer expires",
       {24, 64, 169, 25},
       9},
      {"cmdCancel", ControlKind::Button, "Cancel", {16, 100, 65, 25}, 7},
      {"cmdOK", ControlKind::Button, "OK", {128, 100, 65, 25}, 8},
  };
  for (const DesignedControl& d : designed) {
    SCOPED_TRACE(d.name);
    const ControlSpec* c = Find(d.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, d.kind);
    EXPECT_STREQ(c->text, d.text);
    const Rect& t = c->twips;
    EXPECT_EQ(InPixels(t), d.pixels);
    EXPECT_EQ(t.left % 15 + t.top % 15 + t.width % 15 + t.height % 15, 0) << "whole pixels";
    EXPECT_EQ(c->tabIndex, d.tabIndex);
    EXPECT_TRUE(c->visible);
  }
}

// The builder attaches an up-down to the control created just before it, and
// the dialog manager sends IDOK (1) for Enter and IDCANCEL (2) for Esc.
TEST(TimedLayout, FieldsTakeTwoDigitsAndUpDownsFollowTheirFields) {
  struct Pair {
    const char* field;
    const char* upDown;
    int upper;
    bool wrap;
  };
  for (Pair p :
       {Pair{"txtHours", "updnHours", 15, false}, Pair{"txtMinutes", "updnMinutes", 59, true}}) {
    SCOPED_TRACE(p.field);
    const ControlSpec* field = Find(p.field);
    const ControlSpec* upDown = Find(p.upDown);
    ASSERT_TRUE(field && upDown);
    EXPECT_EQ(upDown, field + 1);
    EXPECT_EQ(field->maxLength, 2);
    EXPECT_TRUE(field->alignRight);
    EXPECT_EQ(upDown->lower, 0);
    EXPECT_EQ(upDown->upper, p.upper);
    EXPECT_EQ(upDown->wrap, p.wrap);
  }
  EXPECT_EQ(Find("cmdOK")->id, 1);
  EXPECT_EQ(Find("cmdCancel")->id, 2);
  std::set<int> ids;
  for (const ControlSpec& c : TimedDisableForm().controls) ids.insert(c.id);
  EXPECT_EQ(ids.size(), TimedDisableForm().controls.size()) << "control ids are unique";
}

// Frame k lies in a five-column grid of 32-pixel cells 40 pixels apart, all
// below the client area, and shows the k-th clock icon.
TEST(TimedLayout, TwentyFourHiddenClockFramesInAGridBelowTheDialog) {
  EXPECT_EQ(TimedDisableForm().controls.size(), 11u + 24u);
  for (int k = 0; k < 24; ++k) {
    const ControlSpec* c = Find("imgClock(" + std::to_string(k) + ")");
    ASSERT_NE(c, nullptr) << k;
    EXPECT_EQ(c->kind, ControlKind::Image);
    EXPECT_FALSE(c->visible);
    EXPECT_EQ(InPixels(c->twips), (Pixels{8 + 40 * (k % 5), 160 + 40 * (k / 5), 32, 32})) << k;
    EXPECT_GE(c->twips.top, TimedDisableForm().clientHeight);
    EXPECT_EQ(c->resourceId, 201 + k);
  }
}

}  // namespace
}  // namespace bw
