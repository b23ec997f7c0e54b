#include "hold/hold.h"

#include "words/words.h"

namespace bw {

void Hold::FollowSettings(const std::vector<std::string>& programs, bool fullScreen) {
  if (ended_) return;
  fullScreenCounts_ = fullScreen;
  programWatch_.SetList(programs);
  WatchWindows();
}

void Hold::WatchWindows() {
  const bool watching = programWatch_.LooksForNames() || fullScreenCounts_;
  if (watching != watching_) programs_.ReportWindows(watching);
  watching_ = watching;
}

HoldChange Hold::Resume(bool spanRuns) {
  lastLook_ = clock_.TickCount();
  programWatch_.LookAtAll();
  JudgeForeground();
  switchBack_ = note_.Read();
  return Follow(spanRuns);
}

// A look at the whole session now and then, for listed programs that never
// show a window, and at the foreground shortly after a window appeared. The
// foreground's own changes are reported as they come. A hold in force
// overrules another program's switch.
HoldChange Hold::Watch(bool spanRuns) {
  // With nothing watched, a hold in force is the hours', whose edges come by
  // their own timer: the poll only overrules.
  if (!watching_) return holding_ ? Follow(spanRuns) : HoldChange{};
  const std::uint32_t now = clock_.TickCount();
  if (programWatch_.LooksForNames() && now - lastLook_ >= kLookAtAllMs) {
    lastLook_ = now;
    programWatch_.LookAtAll();
  }
  if (static_cast<std::int32_t>(judgeUntil_ - now) >= 0) {
    JudgeForeground();
  } else if (fullScreenCounts_ && !fills_) {
    // A presentation or a game's full screen begins with no window moving.
    fullScreen_ = programs_.SystemSaysFullScreen();
  }
  return Follow(spanRuns);
}

// A window that comes up may be a listed program's, or a full-screen one.
HoldChange Hold::OnWindowShown(std::uint32_t processId, std::uint32_t threadId, bool spanRuns) {
  programWatch_.OnWindowShown(processId, threadId);
  judgeUntil_ = clock_.TickCount() + kJudgeAfterWindowMs;
  JudgeForeground();
  return Follow(spanRuns);
}

// Passing through the taskbar, the desktop or the program's own menu and
// windows changes nothing: a click on the icon must find the hold as it was.
void Hold::JudgeForeground() {
  if (!fullScreenCounts_) {
    fullScreen_ = false;
    return;
  }
  const Foreground verdict = programs_.JudgeForeground();
  if (verdict == Foreground::Passing) return;
  fills_ = verdict == Foreground::FullScreen;
  fullScreen_ = fills_ || programs_.SystemSaysFullScreen();
}

// The hold begins with its first reason and ends with its last. A policy has
// the say while it lasts: the hold switches nothing, and keeps its duty to
// switch the screen saver back on for when the policy goes. On battery the
// reasons hold nothing, but a user's say outlasts the battery. During a span
// the screen saver is off already.
HoldChange Hold::Follow(bool spanRuns) {
  const std::string_view program = programWatch_.Running();
  const bool reasons = !program.empty() || fullScreen_ || hoursWatch_.inside();
  if (!reasons) setAside_ = false;
  if (ended_) return {};
  if (screenSaver_.Policy()) {
    holding_ = false;
    return {};
  }
  if (!reasons || setAside_ || resting_) {
    if (holding_ || switchBack_) EndHold(switchBack_, spanRuns);
    return {};
  }
  HoldChange change;
  // The tip is made anew only when the reason changes: a poll allocates nothing.
  const bool byHours = program.empty() && !fullScreen_;
  if (!holding_ || program != heldFor_ || byHours != byHours_) {
    heldFor_ = program;
    byHours_ = byHours;
    heldTip_ = kHeldByFullScreenTip;
    if (!program.empty()) heldTip_.assign(kHeldTipLead).append(program).append(kHeldByProgramTail);
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
  ended_ = true;
  fullScreenCounts_ = false;
  programWatch_.LetGo();
  WatchWindows();
  hoursWatch_.Stop();
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
