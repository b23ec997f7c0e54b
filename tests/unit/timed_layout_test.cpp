#include "timed/timed_layout.h"

#include <gtest/gtest.h>

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

struct DesignedControl {
  const char* name;
  ControlKind kind;
  const char* text;
  Rect pixels;
  int tabIndex;
};

TEST(TimedLayout_Form, IsTheSmallTahomaDialogTimed) {
  const FormSpec& form = TimedDisableForm();
  EXPECT_STREQ(form.name, "frmTimedDisable");
  EXPECT_STREQ(form.caption, "Timed");
  EXPECT_EQ(TwipsToPixels(form.clientWidth), 209);
  EXPECT_EQ(TwipsToPixels(form.clientHeight), 130);
  EXPECT_EQ(form.clientWidth % kTwipsPerPixel, 0);
  EXPECT_STREQ(form.font->face, "Tahoma");
  EXPECT_EQ(form.font->hundredthsOfPoint, 825);
  EXPECT_EQ(form.font->weight, 400);
  EXPECT_EQ(form.font->charset, 161);
}

TEST(TimedLayout_Controls, MatchTheDesignedPixelsTextsAndTabOrder) {
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
    EXPECT_EQ(TwipsToPixels(c->twips.left), d.pixels.left);
    EXPECT_EQ(TwipsToPixels(c->twips.top), d.pixels.top);
    EXPECT_EQ(TwipsToPixels(c->twips.width), d.pixels.width);
    EXPECT_EQ(TwipsToPixels(c->twips.height), d.pixels.height);
    EXPECT_EQ(c->twips.left % kTwipsPerPixel + c->twips.top % kTwipsPerPixel, 0);
    EXPECT_EQ(c->tabIndex, d.tabIndex);
    EXPECT_TRUE(c->visible);
    EXPECT_EQ(c->font, nullptr);
  }
}

// The builder attaches an up-down to the control created just before it, and
// the dialog manager sends IDOK (1) for Enter and IDCANCEL (2) for Esc.
TEST(TimedLayout_Controls, FieldsTakeTwoDigitsAndUpDownsFollowTheirFields) {
  auto controls = TimedDisableForm().controls;
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
    EXPECT_EQ(upDown->twips.left, field->twips.left + field->twips.width);  // flush
    EXPECT_EQ(upDown->twips.height, field->twips.height);
  }
  EXPECT_EQ(Find("cmdOK")->id, 1);
  EXPECT_EQ(Find("cmdCancel")->id, 2);
  std::set<int> ids;
  for (const ControlSpec& c : controls) ids.insert(c.id);
  EXPECT_EQ(ids.size(), controls.size()) << "control ids are unique";
}

// Frame k lies in a five-column grid of 32-pixel cells 40 pixels apart, all
// below the client area, and shows the k-th clock icon.
TEST(TimedLayout_Clock, TwentyFourHiddenFramesInAGridBelowTheDialog) {
  int frames = 0;
  for (int k = 0; k < 24; ++k) {
    std::string name = "imgClock(" + std::to_string(k) + ")";
    SCOPED_TRACE(name);
    const ControlSpec* c = Find(name);
    ASSERT_NE(c, nullptr);
    ++frames;
    EXPECT_EQ(c->kind, ControlKind::Image);
    EXPECT_FALSE(c->visible);
    EXPECT_EQ(c->tabIndex, -1);
    EXPECT_EQ(TwipsToPixels(c->twips.left), 8 + 40 * (k % 5));
    EXPECT_EQ(TwipsToPixels(c->twips.top), 160 + 40 * (k / 5));
    EXPECT_EQ(TwipsToPixels(c->twips.width), 32);
    EXPECT_EQ(TwipsToPixels(c->twips.height), 32);
    EXPECT_GE(c->twips.top, TimedDisableForm().clientHeight);
    EXPECT_EQ(c->resourceId, 201 + k);
  }
  EXPECT_EQ(frames, kClockFrameCount);
  EXPECT_EQ(TimedDisableForm().controls.size(), 11u + 24u);
  EXPECT_EQ(kAnimClockIntervalMs, 120);
}

}  // namespace
}  // namespace bw
