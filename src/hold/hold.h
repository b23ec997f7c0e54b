// The hold: the program steps in by itself while one of its reasons holds (a
// listed program runs, a window is in full screen, it is working hours, sound
// plays...), and switches the screen saver off whoever switches it on. The
// user, a span, a policy and the battery each have their say; the program is
// told what changed and shows it.
#pragma once

#include <cstdint>
#include <span>

#include "hold/hold_note.h"
#include "hold/reason.h"
#include "ports/clock.h"
#include "ports/power_port.h"
#include "ports/programs_port.h"
#include "screensaver/screen_saver.h"

namespace bw {

// What following the hold's reasons changed.
struct HoldChange {
  bool newReason = false;    // the tip names another reason: the icon is drawn anew
  bool switchedOff = false;  // the hold began by switching the screen saver off
};

class Hold {
 public:
  // The reasons in rank: the tip names the first that holds.
  Hold(ScreenSaver& screenSaver, ProgramsPort& programs, ClockPort& clock, RegistryPort& registry,
       SessionPort& session, PowerPort& power, std::span<Reason* const> reasons)
      : screenSaver_(screenSaver),
        programs_(programs),
        clock_(clock),
        power_(power),
        note_(registry, session),
        reasons_(reasons) {}

  // The reasons' choices changed. Windows are reported only while a reason
  // listens for them: a user without a list or full screen pays nothing.
  void Listen();
  // A command asked for a reason anew: a hold set aside counts again.
  void AskedAnew() {
    setAside_ = false;
    Listen();
  }
  // The local time may have jumped, or an edge of the hours has come; the
  // hold follows at once.
  HoldChange OnTimeChanged(bool spanRuns) {
    Tell(kClock);
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
  HoldChange OnWindowShown(std::uint32_t processId, std::uint32_t threadId, bool spanRuns) {
    Tell(kWindow, processId, threadId);
    return Follow(spanRuns);
  }
  HoldChange OnForegroundChanged(bool spanRuns) {
    Tell(kForeground);
    return Follow(spanRuns);
  }
  HoldChange OnProcessEnded(std::uint32_t processId, bool spanRuns) {
    Tell(kProcessEnd, processId);
    return Follow(spanRuns);
  }
  // The audio sessions changed, or the sound's timer came.
  HoldChange OnSoundChanged(bool spanRuns) {
    Tell(kSound);
    return Follow(spanRuns);
  }
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
  bool ended() const { return ended_; }
  // While holding: the reason the tip names; null otherwise.
  const Reason* heldBy() const { return holding_ ? lead_ : nullptr; }
  const char* Tip() const { return holding_ ? lead_->tip() : nullptr; }

 private:
  // Each reason that listens for it hears what happened; none after the end.
  void Tell(Heard what, std::uint32_t id = 0, std::uint32_t thread = 0);
  void EndHold(bool switchBack, bool spanRuns);

  ScreenSaver& screenSaver_;
  ProgramsPort& programs_;
  ClockPort& clock_;
  PowerPort& power_;
  HoldNote note_;
  std::span<Reason* const> reasons_;
  std::uint8_t hears_ = 0;  // what the reasons listen for, together
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
  // The reason the tip names, and its words, as last shown.
  const Reason* lead_ = nullptr;
  std::uint32_t words_ = 0;
};

}  // namespace bw
