// The hold: the program steps in by itself while a listed program runs, a
// window is in full screen or it is working hours, and switches the screen
// saver off whoever switches it on. The user, a span, a policy and the
// battery each have their say; the program is told what changed and shows it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hold/hold_note.h"
#include "hold/hours_watch.h"
#include "hold/program_watch.h"
#include "ports/clock.h"
#include "ports/power_port.h"
#include "screensaver/screen_saver.h"

namespace bw {

// While programs are listed, a look at the whole session this often finds
// those that never show a window.
inline constexpr std::uint32_t kLookAtAllMs = 12000;
// A window that appears may come forward or grow to full screen a moment
// later, and not every system reports that (Wine reports only the window's
// creation): for this long after, each poll judges the foreground again.
inline constexpr std::uint32_t kJudgeAfterWindowMs = 1000;

// What following the hold's reasons changed.
struct HoldChange {
  bool newReason = false;    // the tip names another reason: the icon is drawn anew
  bool switchedOff = false;  // the hold began by switching the screen saver off
};

class Hold {
 public:
  Hold(ScreenSaver& screenSaver, ProgramsPort& programs, ClockPort& clock, RegistryPort& registry,
       SessionPort& session, LocalePort& locale, TimerPort& timers, PowerPort& power)
      : screenSaver_(screenSaver),
        programs_(programs),
        clock_(clock),
        power_(power),
        programWatch_(programs),
        hoursWatch_(clock, locale, timers),
        note_(registry, session) {}

  // The user's choices: the programs listed (a list that outlives the hold,
  // told again after each change) and whether full screen counts. Windows
  // are reported only while something is to be watched: a user without a
  // list or full screen pays nothing.
  void FollowSettings(const std::vector<std::string>& programs, bool fullScreen);
  void FollowHours(const WorkingHours& hours) {
    if (!ended_) hoursWatch_.Set(hours);
  }
  // A command's: hold while this process runs, or any of this program's, for
  // as long as this copy runs, without listing it. The user asked anew: a
  // hold set aside counts again. False for a process that does not run.
  bool HoldWhile(std::uint32_t processId) {
    if (!programWatch_.AskForProcess(processId)) return false;
    setAside_ = false;
    return true;
  }
  void HoldWhile(std::string_view program) {
    programWatch_.AskFor(program);
    setAside_ = false;
    WatchWindows();
  }
  // The local time may have jumped, or an edge of the hours has come; the
  // hold follows at once.
  HoldChange JudgeHours(bool spanRuns) {
    if (!ended_) hoursWatch_.Judge();
    return Follow(spanRuns);
  }
  // "Only on mains power", told again when the power source changes: on
  // battery the program's own reasons hold nothing. The source is asked only
  // then, never at a poll.
  void FollowPower(bool mainsOnly) { resting_ = mainsOnly && power_.OnBattery(); }
  bool resting() const { return resting_; }
  // At start-up: a hold an earlier copy noted carries its duty over. It goes
  // on while its reasons last; otherwise the screen saver it switched off
  // goes back on, unless a span has the say now. Under a policy the duty
  // waits, noted.
  HoldChange Resume(bool spanRuns);
  // At each tick of the program's timers.
  HoldChange Watch(bool spanRuns);
  // The reports of the session; the hold follows each at once.
  HoldChange OnWindowShown(std::uint32_t processId, std::uint32_t threadId, bool spanRuns);
  HoldChange OnForegroundChanged(bool spanRuns) {
    JudgeForeground();
    return Follow(spanRuns);
  }
  HoldChange OnProcessEnded(std::uint32_t processId, bool spanRuns) {
    programWatch_.OnProcessEnded(processId);
    return Follow(spanRuns);
  }
  void LookAtAll() { programWatch_.LookAtAll(); }
  void JudgeForeground();
  // Begins, goes on or ends with the reasons as they stand.
  HoldChange Follow(bool spanRuns);
  // The user switched the screen saver: the hold stands aside until every
  // reason has ended.
  void SetAside();
  // A span ended by itself while the hold lasts: the screen saver, on again
  // for the moment, is the hold's to switch back on at its end.
  void TakeOver();
  // The program ends: so does the hold, as if its reasons had. Nothing is
  // watched or waited for any more, and what the queue still holds (a
  // window that comes forward as the program's own go) changes nothing.
  void End(bool spanRuns);

  bool holding() const { return holding_; }
  // While holding: the program it holds for, empty for full screen or the
  // hours; whether the hours are the only reason.
  std::string_view heldFor() const { return heldFor_; }
  bool byHours() const { return byHours_; }
  // The reason the icon's tip gives while the hold is in force, a program's
  // or full screen's before the hours'; null otherwise.
  const char* Tip() const {
    if (!holding_) return nullptr;
    return byHours_ ? hoursWatch_.tip().c_str() : heldTip_.c_str();
  }

 private:
  void EndHold(bool switchBack, bool spanRuns);
  void WatchWindows();

  ScreenSaver& screenSaver_;
  ProgramsPort& programs_;
  ClockPort& clock_;
  PowerPort& power_;
  ProgramWatch programWatch_;
  HoursWatch hoursWatch_;
  HoldNote note_;
  bool fullScreenCounts_ = false;
  // Programs are looked for, or full screen counts: windows are reported.
  bool watching_ = false;
  // The foreground window fills its monitor, or the system says a game or a
  // presentation holds the screen, as last judged; the first alone.
  bool fullScreen_ = false, fills_ = false;
  std::uint32_t lastLook_ = 0;  // clock milliseconds
  // Until then (clock milliseconds), each poll judges the foreground again.
  std::uint32_t judgeUntil_ = 0;
  // The hold is in force: it switches the screen saver off whoever switches it on.
  bool holding_ = false;
  // The screen saver was on when the hold began (or a span ended under it):
  // the hold's end switches it back on. A policy suspends the duty, and the
  // note that goes with it, without ending it.
  bool switchBack_ = false;
  // The user switched the screen saver during a hold: none begins again until
  // every reason has ended.
  bool setAside_ = false;
  bool resting_ = false;  // on battery, where only mains power counts
  bool ended_ = false;    // the program ends
  bool byHours_ = false;  // the hours are the only reason the tip can name
  std::string heldFor_;   // the program the tip names; empty for full screen
  std::string heldTip_;
};

}  // namespace bw
