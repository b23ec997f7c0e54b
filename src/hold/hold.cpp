#include "hold/hold.h"

namespace bw {

void Hold::Listen() {
  std::uint8_t hears = 0;
  if (!ended_) {
    for (const Reason* reason : reasons_) hears |= reason->hears();
  }
  if ((hears ^ hears_) & kWindow) programs_.ReportWindows((hears & kWindow) != 0);
  hears_ = hears;
}

void Hold::Tell(Heard what, std::uint32_t id, std::uint32_t thread) {
  if (ended_) return;
  const Hearing hearing{what, clock_.TickCount(), id, thread};
  for (Reason* reason : reasons_) {
    if (reason->hears() & what) reason->Hear(hearing);
  }
}

HoldChange Hold::Resume(bool spanRuns) {
  Tell(kLook);
  switchBack_ = note_.Read();
  return Follow(spanRuns);
}

// With nothing polled for, a hold in force is one whose reasons come by
// their own reports or timer: the poll only overrules another program's switch.
HoldChange Hold::Watch(bool spanRuns) {
  if (!(hears_ & kPoll)) return holding_ ? Follow(spanRuns) : HoldChange{};
  Tell(kPoll);
  return Follow(spanRuns);
}

// The hold begins with its first reason and ends with its last. A policy has
// the say while it lasts: the hold switches nothing, and keeps its duty to
// switch the screen saver back on for when the policy goes. On battery the
// reasons hold nothing, but a user's say outlasts the battery. During a span
// the screen saver is off already.
HoldChange Hold::Follow(bool spanRuns) {
  const Reason* lead = nullptr;
  for (const Reason* reason : reasons_) {
    if (reason->holds()) {
      lead = reason;
      break;
    }
  }
  if (!lead) setAside_ = false;
  if (ended_) return {};
  if (screenSaver_.Policy()) {
    holding_ = false;
    return {};
  }
  if (!lead || setAside_ || resting_) {
    if (holding_ || switchBack_) EndHold(switchBack_, spanRuns);
    return {};
  }
  HoldChange change;
  if (!holding_ || lead != lead_ || lead->words() != words_) {
    lead_ = lead;
    words_ = lead->words();
    change.newReason = true;
  }
  if (screenSaver_.GetScreenSaverState() && screenSaver_.SetScreenSaverState(false) && !holding_) {
    if (!switchBack_) note_.Write();
    switchBack_ = true;
    change.switchedOff = true;
  }
  holding_ = true;
  return change;
}

void Hold::SetAside() {
  if (!holding_) return;
  setAside_ = true;
  EndHold(false, false);
}

void Hold::TakeOver() {
  if (!holding_ || switchBack_) return;
  switchBack_ = true;
  note_.Write();
}

void Hold::End(bool spanRuns) {
  Tell(kEnd);
  ended_ = true;
  Listen();
  if (holding_) EndHold(switchBack_, spanRuns);
}

// The screen saver goes back on only if it was on when the hold began, and
// not while a span holds it off: the span's end switches it on.
void Hold::EndHold(bool switchBack, bool spanRuns) {
  holding_ = false;
  if (switchBack_) note_.Erase();
  if (switchBack && !spanRuns) screenSaver_.SetScreenSaverState(true);
  switchBack_ = false;
}

}  // namespace bw
