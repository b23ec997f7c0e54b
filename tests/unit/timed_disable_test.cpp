// The timed disable: the countdown on the main form, and the dialog that starts it
// (its layout table, key filter and handlers) against the fake window.
#include "timed/timed_disable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "fakes.h"
#include "timed/frm_timed_disable.h"
#include "timed/timed_layout.h"

namespace bw {
namespace {

using test::Log;
using TimedDisableTest = test::MainFormTest;

const std::string kFirstLine = "Screen Saver will be DISABLED\n";
const Log kBegin = {"TIMER 1 off", "TIMER 2 on", "MENU 5 [Enable Screen Saver]", "MENU 1 off",
                    "NOTIFY 1 icon=0x1003 tip=[Screen Saver is ENABLED]"};
// EndTimedDisable: countdown off, screen saver on, poller on, menu restored.
const Log kEnd = {"TIMER 2 off", "SPI_SET 0xFFFFFFFF 0", "TIMER 1 on", "MENU 1 on",
                  "MENU 5 [Temporarily disable Screen Saver]"};

Log Join(Log head, const Log& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// Begin keeps the old tip until the first tick; the menu's end never starts the screen
// saver; idle, the menu opens the dialog.
TEST_F(TimedDisableTest, BeginTickAndMenuEndCallInOrder) {
  timed.SecondsLeft = 8999;  // what OK stores for 2 h 30 min
  timed.BeginTimedDisable();
  form.OnSSTimedDisableTimer();
  const std::string tip = "tip=[" + kFirstLine + "for the next 2 hours and 30 min]";
  EXPECT_EQ(fake.log, Join(kBegin, {"SPI_SET 0x0 0", "NOTIFY 1 icon=0x1003 " + tip}));
  EXPECT_EQ(timed.SecondsLeft, 8998);
  fake.log.clear();
  timed.StartOnExpire = true;
  form.OnMenuCommand(static_cast<int>(MenuItem::TimedDisable));
  EXPECT_EQ(fake.log, kEnd);
  EXPECT_FALSE(form.poller().CachedEnabled);
  // A tick queued before the end does nothing; the poller restores the enabled view.
  fake.log.clear();
  form.OnSSTimedDisableTimer();
  form.OnSSCheckTimer();
  form.OnMenuCommand(static_cast<int>(MenuItem::TimedDisable));
  EXPECT_EQ(fake.log,
            (Log{"SPI_GET", "NOTIFY 1 icon=0x1001 tip=[Screen Saver is ENABLED]", "DIALOG"}));
}

// After a run-out the dialog opens with 0 hours and 1 minute.
TEST_F(TimedDisableTest, LastTickEndsAndStartsTheScreenSaverOnlyWhenAsked) {
  for (bool startOnExpire : {false, true}) {
    timed.SecondsLeft = 1;
    timed.BeginTimedDisable();
    timed.StartOnExpire = startOnExpire;
    fake.log.clear();
    form.OnSSTimedDisableTimer();
    Log expected = Join(
        {"SPI_SET 0x0 0", "NOTIFY 1 icon=0x1003 tip=[" + kFirstLine + "for the next few seconds]"},
        kEnd);
    if (startOnExpire) expected.push_back("SYSCOMMAND 0xF140");
    EXPECT_EQ(fake.log, expected) << startOnExpire;
    EXPECT_FALSE(timed.Running());
    EXPECT_FALSE(form.poller().CachedEnabled);
    EXPECT_EQ(timed.DisableHours, 0);
    EXPECT_EQ(timed.DisableMinutes, 1);
  }
}

// A span of S seconds ends on tick S - 1; its last minute reads "minute" 29
// times and "few seconds" 30 times.
TEST_F(TimedDisableTest, SpanEndsOnTheTickBeforeItsLastSecond) {
  for (std::int32_t span : {60, 61, 119, 3600, 5400}) {
    timed.SecondsLeft = span - 1;
    timed.BeginTimedDisable();
    int ticks = 0, minute = 0, fewSeconds = 0;
    while (timed.Running() && ticks <= span) {
      form.OnSSTimedDisableTimer();
      ++ticks;
      const std::string_view tip = TipFieldText(form.trayIcon().TrayIconRecord().szTip);
      minute += tip == kFirstLine + "for the next minute";
      fewSeconds += tip == kFirstLine + "for the next few seconds";
    }
    EXPECT_EQ(ticks, span - 1) << span;
    EXPECT_EQ(minute, 29) << span;
    EXPECT_EQ(fewSeconds, 30) << span;
  }
}

// Ended early, the dialog next opens with the time the last tick showed.
TEST_F(TimedDisableTest, EarlyEndLeavesTheTimeLastShown) {
  for (auto [ticks, hours, minutes] :
       {std::tuple{1, 2, 0}, {60, 2, 0}, {61, 1, 59}, {120, 1, 59}}) {
    timed.SecondsLeft = 7199;  // 2 h
    timed.BeginTimedDisable();
    for (int i = 0; i < ticks; ++i) form.OnSSTimedDisableTimer();
    timed.OnMenuClick();
    EXPECT_EQ(timed.DisableHours, hours) << ticks;
    EXPECT_EQ(timed.DisableMinutes, minutes) << ticks;
  }
}

// The designed pixels of every control (left, top, width, height), in twips
// that are whole pixels; the 24 clock frames, hidden below the dialog, hold icons 201-224.
TEST(TimedLayout, ControlsSitOnTheDesignedPixels) {
  std::map<std::string, std::array<int, 4>> designed = {
      {"imgAnimClock", {13, 4, 32, 32}},       {"lblPrompt", {56, 8, 145, 33}},
      {"txtHours", {16, 40, 24, 19}},          {"updnHours", {40, 40, 17, 19}},
      {"lblHours", {62, 43, 41, 17}},          {"txtMinutes", {104, 40, 24, 19}},
      {"updnMinutes", {128, 40, 17, 19}},      {"lblMinutes", {150, 43, 49, 17}},
      {"chkStartOnExpire", {24, 64, 169, 25}}, {"cmdCancel", {16, 100, 65, 25}},
      {"cmdOK", {128, 100, 65, 25}},
  };
  for (int k = 0; k < 24; ++k) {
    designed["imgClock(" + std::to_string(k) + ")"] = {8 + 40 * (k % 5), 160 + 40 * (k / 5), 32,
                                                       32};
  }
  const FormSpec& form = TimedDisableForm();
  EXPECT_EQ(TwipsToPixels(form.clientWidth), 209);
  EXPECT_EQ(TwipsToPixels(form.clientHeight), 130);
  ASSERT_EQ(form.controls.size(), designed.size());
  for (const ControlSpec& c : form.controls) {
    const Rect& t = c.twips;
    EXPECT_EQ(designed[c.name], (std::array{t.left / 15, t.top / 15, t.width / 15, t.height / 15}))
        << c.name;
    EXPECT_EQ(t.left % 15 + t.top % 15 + t.width % 15 + t.height % 15, 0) << c.name;
    EXPECT_EQ(c.visible, c.twips.top < form.clientHeight) << c.name;
    EXPECT_EQ(c.resourceId, c.visible ? 0 : 201 + std::atoi(c.name + 9)) << "imgClock(k): clock k";
  }
}

TEST(TimedSpan_KeyFilter, PassesDigitsAndDeletionStepsOnUpDownAndDropsAllElse) {
  std::set<int> passing = {0x08 /* Backspace */, 0x2E /* Delete */};
  for (int digit = '0'; digit <= '9'; ++digit) passing.insert(digit);  // main keyboard
  for (int pad = 0x60; pad <= 0x69; ++pad) passing.insert(pad);        // numeric keypad
  for (int code = 0; code < 256; ++code) {
    KeyAction expected = passing.count(code) ? KeyAction::Pass : KeyAction::Discard;
    if (code == 0x26) expected = KeyAction::StepUp;
    if (code == 0x28) expected = KeyAction::StepDown;
    EXPECT_EQ(FilterKey(code), expected) << "key code " << code;
  }
}

// The dialog object just created: it has set up the common controls.
struct TimedDialogTest : test::MainFormTest {
  FrmTimedDisable frm{dialog, timed};
};

// The common controls are set up once, for the object; each opening shows the
// shared span, the hours selected, and the box ticked when asked.
TEST_F(TimedDialogTest, OpensWithTheSharedSpan) {
  frm.Load();
  frm.OnCancel();
  timed.DisableHours = 1;
  timed.DisableMinutes = 59;
  timed.StartOnExpire = true;
  frm.Load();
  EXPECT_EQ(fake.log,
            (Log{"INIT", "CLOCK", "TEXT H [0]", "SELECT H 0 2", "TEXT M [0]", "FRAME 0", "CLOSE",
                 "CLOCK", "TEXT H [1]", "SELECT H 0 2", "TEXT M [59]", "FRAME 0", "CHECK 1"}));
}

// Up and Down step the up-down (hours stop at 0 and 15, minutes wrap) and select the number.
TEST_F(TimedDialogTest, KeysStepTheUpDownsAndSelectTheNumber) {
  const struct {
    SpanField field;
    int value, keyCode;
    bool received;
    Log log;
  } cases[] = {
      {SpanField::Hours, 15, 38, false, {"SELECT H 0 2"}},
      {SpanField::Hours, 0, 40, false, {"SELECT H 0 2"}},
      {SpanField::Hours, 3, 38, false, {"UPDOWN H 4", "SELECT H 0 2"}},
      {SpanField::Hours, 3, 40, false, {"UPDOWN H 2", "SELECT H 0 2"}},
      {SpanField::Minutes, 59, 38, false, {"UPDOWN M 0", "SELECT M 0 2"}},
      {SpanField::Minutes, 0, 40, false, {"UPDOWN M 59", "SELECT M 0 2"}},
      {SpanField::Minutes, 30, '7', true, {}},
      {SpanField::Minutes, 30, 'Q', false, {}},
  };
  for (const auto& c : cases) {
    dialog.value[static_cast<int>(c.field)] = c.value;
    fake.log.clear();
    EXPECT_EQ(frm.OnFieldKeyDown(c.field, c.keyCode), c.received) << c.value << " " << c.keyCode;
    EXPECT_EQ(fake.log, c.log) << c.value << " " << c.keyCode;
  }
  fake.log.clear();
  frm.OnUpDownNotify(SpanField::Minutes);
  EXPECT_EQ(fake.log, (Log{"SELECT M 0 2", "FOCUS M"})) << "a click on the arrows";
}

// OK stores the span, starts, stores the check box, closes. A zero span is
// refused silently; a non-number also selects that field. Refused, the
// counter is -1 and the check box is not stored.
TEST_F(TimedDialogTest, OkReadsTheFieldsAndStartsOnlyAPositiveSpan) {
  const Log started = Join(kBegin, {"CLOSE"});
  const struct {
    const char *hours, *minutes;
    std::int16_t storedHours, storedMinutes;
    std::int32_t secondsLeft;
    Log log;
  } cases[] = {
      {"99", "99", 99, 99, 362339, started},  // the longest span that can be typed
      {"15", "59", 15, 59, 57539, started},   // the up-downs' most
      {"0", "90", 0, 90, 5399, started},      // minutes above 59 are taken as typed
      {"", "5", 0, 5, 299, started},          // an empty field counts as 0
      {"07", "", 7, 0, 25199, started},
      {"0", "0", 0, 0, -1, {}},
      {"", "", 0, 0, -1, {}},
      {"-1", "30", 0, 30, -1, {"SELECT H 0 2", "FOCUS H"}},
      {"+1", "5", 0, 5, -1, {"SELECT H 0 2", "FOCUS H"}},
      {"4", "x", 4, 0, -1, {"SELECT M 0 1", "FOCUS M"}},
      {"1", "99999", 1, 0, -1, {"SELECT M 0 5", "FOCUS M"}},  // no 16-bit number
  };
  dialog.check = 1;
  for (const auto& c : cases) {
    timed.StartOnExpire = false;
    dialog.text[0] = c.hours;
    dialog.text[1] = c.minutes;
    fake.log.clear();
    frm.OnOK();
    SCOPED_TRACE(std::string(c.hours) + "/" + c.minutes);
    EXPECT_EQ(fake.log, c.log);
    EXPECT_EQ(timed.DisableHours, c.storedHours);
    EXPECT_EQ(timed.DisableMinutes, c.storedMinutes);
    EXPECT_EQ(timed.SecondsLeft, c.secondsLeft);
    EXPECT_EQ(timed.StartOnExpire, timed.Running());
    timed.OnMenuClick();
  }
}

TEST_F(TimedDialogTest, CancelAndTheEndOfTheLogonCloseAndChangeNothing) {
  timed.SecondsLeft = 5;
  dialog.text[0] = dialog.text[1] = "9";
  dialog.check = 1;
  frm.OnCancel();
  frm.OnEndSession();
  EXPECT_EQ(fake.log, (Log{"INIT", "CLOSE", "CLOSE"}));
  EXPECT_EQ(timed.DisableHours, 0);
  EXPECT_EQ(timed.SecondsLeft, 5);
  EXPECT_FALSE(timed.StartOnExpire);
}

}  // namespace
}  // namespace bw
