#include <gtest/gtest.h>

#include <string>

#include "fakes.h"
#include "timed/frm_timed_disable.h"

namespace bw {
namespace {

using test::Log;

const char* Name(SpanField field) { return field == SpanField::Hours ? "H" : "M"; }

// The dialog's window: fields, up-downs (hours 0-15, minutes 0-59) and the
// check box hold state; every change is logged with its arguments.
class FakeDialog : public TimedDialogPort {
 public:
  explicit FakeDialog(Log& log) : log_(log) {}
  void InitCommonControls() override { log_.push_back("INIT"); }
  void StartClock() override { log_.push_back("CLOCK"); }
  std::string Text(SpanField f) override { return text[static_cast<int>(f)]; }
  void SetText(SpanField f, const std::string& t) override {
    log_.push_back(std::string("TEXT ") + Name(f) + " [" + t + "]");
    text[static_cast<int>(f)] = t;
  }
  void SelectText(SpanField f, int start, int length) override {
    log_.push_back(std::string("SELECT ") + Name(f) + " " + std::to_string(start) + " " +
                   std::to_string(length));
  }
  void Focus(SpanField f) override { log_.push_back(std::string("FOCUS ") + Name(f)); }
  int UpDownValue(SpanField f) override { return value[static_cast<int>(f)]; }
  UpDownLimits UpDownRange(SpanField f) override { return {0, f == SpanField::Hours ? 15 : 59}; }
  void SetUpDownValue(SpanField f, int v) override {
    log_.push_back(std::string("UPDOWN ") + Name(f) + " " + std::to_string(v));
    value[static_cast<int>(f)] = v;
  }
  void ShowClockFrame(int frame) override { log_.push_back("FRAME " + std::to_string(frame)); }
  int StartOnExpireValue() override { return check; }
  void SetStartOnExpireValue(int v) override {
    log_.push_back("CHECK " + std::to_string(v));
    check = v;
  }
  void Close() override { log_.push_back("CLOSE"); }

  std::string text[2] = {"0", "0"};
  int value[2] = {0, 0};
  int check = 0;

 private:
  Log& log_;
};

class TimedDialogTest : public ::testing::Test {
 protected:
  TimedDialogTest() {
    tmrSSCheck.SetEnabled(true);
    fake.log.clear();
  }

  // The dialog's window at one opening, with the fields as the user left them.
  void Enter(const char* hours, const char* minutes, int check) {
    dialog.text[0] = hours;
    dialog.text[1] = minutes;
    dialog.check = check;
    fake.log.clear();
  }

  test::FakePlatform fake;
  ScreenSaver screenSaver{fake.system, fake.registry};
  TrayIcon trayIcon{fake.shell, fake.forms};
  StatusPoller poller{screenSaver, trayIcon};
  Timer tmrSSCheck{fake.forms, TimerId::SSCheck};
  Timer tmrSSTimedDisable{fake.forms, TimerId::SSTimedDisable};
  TimedDisable timed{tmrSSCheck, tmrSSTimedDisable, screenSaver, trayIcon, poller, fake.forms};
  FakeDialog dialog{fake.log};
};

TEST_F(TimedDialogTest, FirstOpeningShowsZeroAndZeroWithTheHoursSelected) {
  FrmTimedDisable frm(dialog, timed);
  frm.Load();
  EXPECT_EQ(fake.log,
            (Log{"INIT", "CLOCK", "TEXT H [0]", "SELECT H 0 2", "TEXT M [0]", "FRAME 0"}));
  fake.log.clear();
  frm.OnCancel();
  frm.Load();
  // The common controls are set up once, for the object, not for each window.
  EXPECT_EQ(fake.log,
            (Log{"CLOSE", "CLOCK", "TEXT H [0]", "SELECT H 0 2", "TEXT M [0]", "FRAME 0"}));
}

// The countdown leaves the time of its last tick behind (1 h 59 min here).
TEST_F(TimedDialogTest, OpensWithTheSharedSpanAndTicksTheBoxWhenAsked) {
  timed.DisableHours = 1;
  timed.DisableMinutes = 59;
  timed.StartOnExpire = true;
  FrmTimedDisable frm(dialog, timed);
  fake.log.clear();
  frm.Load();
  EXPECT_EQ(fake.log,
            (Log{"CLOCK", "TEXT H [1]", "SELECT H 0 2", "TEXT M [59]", "FRAME 0", "CHECK 1"}));
}

TEST_F(TimedDialogTest, ClockRunsThroughTwentyFourFramesAndContinuesAfterAClose) {
  FrmTimedDisable frm(dialog, timed);
  frm.Load();
  fake.log.clear();
  for (int i = 0; i < 25; ++i) frm.OnAnimClockTimer();
  ASSERT_EQ(fake.log.size(), 25u);
  for (int k = 0; k < 23; ++k) EXPECT_EQ(fake.log[k], "FRAME " + std::to_string(k + 1));
  EXPECT_EQ(fake.log[23], "FRAME 0");
  EXPECT_EQ(fake.log[24], "FRAME 1");
  for (int i = 0; i < 5; ++i) frm.OnAnimClockTimer();  // frame 6 shown last
  frm.OnCancel();
  frm.Load();
  fake.log.clear();
  frm.OnAnimClockTimer();
  EXPECT_EQ(fake.log, Log{"FRAME 7"});
}

struct KeyCase {
  SpanField field;
  int upDownValue;
  int keyCode;
  bool received;
  Log log;
};

TEST_F(TimedDialogTest, KeysStepTheUpDownsAndSelectTheNumber) {
  const KeyCase cases[] = {
      {SpanField::Hours, 15, 38, false, {"SELECT H 0 2"}},  // stops at 15
      {SpanField::Hours, 0, 40, false, {"SELECT H 0 2"}},   // stops at 0
      {SpanField::Hours, 3, 38, false, {"UPDOWN H 4", "SELECT H 0 2"}},
      {SpanField::Hours, 3, 40, false, {"UPDOWN H 2", "SELECT H 0 2"}},
      {SpanField::Minutes, 59, 38, false, {"UPDOWN M 0", "SELECT M 0 2"}},  // runs round
      {SpanField::Minutes, 0, 40, false, {"UPDOWN M 59", "SELECT M 0 2"}},
      {SpanField::Minutes, 30, '7', true, {}},
      {SpanField::Minutes, 30, 'Q', false, {}},
  };
  FrmTimedDisable frm(dialog, timed);
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(std::string(Name(c.field)) + " " + std::to_string(c.upDownValue) + " key " +
                 std::to_string(c.keyCode));
    dialog.value[static_cast<int>(c.field)] = c.upDownValue;
    fake.log.clear();
    EXPECT_EQ(frm.OnFieldKeyDown(c.field, c.keyCode), c.received);
    EXPECT_EQ(fake.log, c.log);
  }
}

TEST_F(TimedDialogTest, UpDownClickSelectsAndFocusesItsField) {
  FrmTimedDisable frm(dialog, timed);
  fake.log.clear();
  frm.OnUpDownNotify(SpanField::Minutes);
  frm.OnUpDownNotify(SpanField::Hours);
  EXPECT_EQ(fake.log, (Log{"SELECT M 0 2", "FOCUS M", "SELECT H 0 2", "FOCUS H"}));
}

TEST_F(TimedDialogTest, OkStartsThenStoresTheCheckBoxThenCloses) {
  struct Case {
    const char* hours;
    const char* minutes;
    std::int32_t secondsLeft;
  };
  for (Case c : {Case{"0", "1", 59}, Case{"99", "99", 362339}}) {
    SCOPED_TRACE(std::string(c.hours) + "/" + c.minutes);
    FrmTimedDisable frm(dialog, timed);
    Enter(c.hours, c.minutes, 1);
    frm.OnOK();
    EXPECT_EQ(fake.log, (Log{"TIMER 1 off", "TIMER 2 on", "MENU 5 [Enable Screen Saver]",
                             "MENU 1 off", "NOTIFY 1 icon=0x1003 tip=[]", "CLOSE"}));
    EXPECT_EQ(timed.SecondsLeft, c.secondsLeft);
    EXPECT_TRUE(timed.StartOnExpire);
    timed.OnMenuClick();
  }
}

TEST_F(TimedDialogTest, OkRefusesAZeroSpanOrANonNumberAndStaysOpen) {
  struct Case {
    const char* hours;
    const char* minutes;
    std::int16_t storedHours, storedMinutes;
    Log log;
  };
  const Case cases[] = {
      {"0", "0", 0, 0, {}},
      {"-1", "30", 0, 30, {"SELECT H 0 2", "FOCUS H"}},
      {"4", "x", 4, 0, {"SELECT M 0 1", "FOCUS M"}},
  };
  FrmTimedDisable frm(dialog, timed);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.hours) + "/" + c.minutes);
    Enter(c.hours, c.minutes, 1);
    frm.OnOK();
    EXPECT_EQ(fake.log, c.log);
    EXPECT_EQ(timed.SecondsLeft, -1);
    EXPECT_EQ(timed.DisableHours, c.storedHours);
    EXPECT_EQ(timed.DisableMinutes, c.storedMinutes);
    EXPECT_FALSE(timed.StartOnExpire) << "written only once a timed disable has started";
    EXPECT_FALSE(timed.Running());
  }
}

TEST_F(TimedDialogTest, CancelAndTheEndOfTheLogonCloseAndChangeNothing) {
  timed.DisableHours = 1;
  timed.DisableMinutes = 20;
  timed.SecondsLeft = 5;
  FrmTimedDisable frm(dialog, timed);
  frm.Load();
  Enter("9", "9", 1);
  frm.OnCancel();
  Enter("9", "9", 1);
  frm.OnEndSession();
  EXPECT_EQ(fake.log, Log{"CLOSE"});
  EXPECT_EQ(timed.DisableHours, 1);
  EXPECT_EQ(timed.DisableMinutes, 20);
  EXPECT_EQ(timed.SecondsLeft, 5);
  EXPECT_FALSE(timed.StartOnExpire);
  EXPECT_FALSE(timed.Running());
}

}  // namespace
}  // namespace bw
