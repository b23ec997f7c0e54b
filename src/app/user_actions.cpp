#include "app/user_actions.h"

namespace bw {

// A policy's state is not the user's to switch. The screen saver "on" during
// a span ends it as the menu's "Enable" does, answered by the flag it left.
Outcome UserActions::Switch(Turn turn) {
  if (ByPolicy()) return Outcome::ByPolicy;
  ScreenSaver& screenSaver = parts_.screenSaver;
  if (SpanRuns()) {
    if (turn != Turn::On) return Outcome::Done;
    EndTimedDisable(true);
    return screenSaver.GetScreenSaverState() ? Outcome::Done : Outcome::Refused;
  }
  const bool enabled = screenSaver.GetScreenSaverState();
  const bool on = turn == Turn::On || (turn == Turn::Toggle && !enabled);
  // Answered by the flag Windows left, not only by the call's word.
  const bool switched = SwitchTo(on, enabled) && screenSaver.GetScreenSaverState() == on;
  return switched ? Outcome::Done : Outcome::Refused;
}

// The icon follows at once rather than at the next poll, drawn from the
// switch's own outcome. The user's say during a hold sets it aside until its
// reasons have ended.
bool UserActions::SwitchTo(bool on, bool enabled) {
  parts_.hold.SetAside();
  const bool switched = on == enabled || parts_.screenSaver.SetScreenSaverState(on);
  Show(Status::Switched(switched ? on : enabled));
  if (switched && enabled && !on) ShowDisplayHint();
  return switched;
}

Outcome UserActions::DisableFor(int minutes) {
  return Begin(SpanOfMinutes(minutes, parts_.timedDisable.countdown().StartWhenDone()));
}

Outcome UserActions::DisableUntil(int minuteOfDay) {
  return Begin(SpanUntil(parts_.platform.clock, minuteOfDay,
                         parts_.timedDisable.countdown().StartWhenDone()));
}

// The command has the last word over an open dialog. The first tick would
// switch the screen saver off a second later; the caller learns now whether
// Windows does.
Outcome UserActions::Begin(const std::optional<SpanRequest>& span) {
  if (ByPolicy()) return Outcome::ByPolicy;
  if (!span) return Outcome::TimeIsNow;
  parts_.timedDialog.Cancel();
  BeginTimedDisable(*span);
  ScreenSaver& screenSaver = parts_.screenSaver;
  const bool off = screenSaver.SetScreenSaverState(false) && !screenSaver.GetScreenSaverState();
  return off ? Outcome::Done : Outcome::Refused;
}

void UserActions::AskForSpan() {
  if (SpanRuns() || ByPolicy()) return;
  if (const std::optional<SpanRequest> span = parts_.timedDialog.Run()) BeginTimedDisable(*span);
}

// A dialog opened before a policy came cannot begin a span under it. The poll
// rests while the countdown owns the icon, whose tip keeps the last status
// text until the first tick replaces it.
void UserActions::BeginTimedDisable(const SpanRequest& request) {
  if (ByPolicy()) return;
  parts_.timedDisable.Begin(request);
  parts_.pollTimer.Set(false);
  Show(Status::Counting());
  ShowDisplayHint();
}

void UserActions::OnCountdownTick() {
  // A tick already queued when the span ended must not switch it off again.
  if (!SpanRuns()) return;
  const CountdownTick tick = parts_.timedDisable.Tick();
  if (!tick.ended) return Show(Status::Counting(tick.tip));
  EndTimedDisable(false);
  // Only now: the display is let go, and the screen saver is on again,
  // unless a hold has taken it over.
  if (tick.startScreenSaver && !parts_.hold.holding()) parts_.screenSaver.StartScreenSaver();
}

// Switches the screen saver back on, and the icon shows the true state at
// once, whether or not that worked. The user's "Enable Screen Saver" sets a
// hold aside; at the span's own end a hold that lasts takes over: the screen
// saver, on again for the moment, is switched off by it, and back on at its end.
void UserActions::EndTimedDisable(bool byUser) {
  if (byUser) parts_.hold.SetAside();
  parts_.timedDisable.End();
  parts_.pollTimer.Set(true);
  parts_.hold.TakeOver();
  Refresh();
}

// Nor is a policy's state the user's to hold. A hold asked for anew counts
// again, set aside or not.
Outcome UserActions::HoldWhile(std::uint32_t processId) {
  if (ByPolicy()) return Outcome::ByPolicy;
  if (!parts_.programWatch.AskForProcess(processId)) return Outcome::NoSuchProcess;
  return HoldAnew();
}

Outcome UserActions::HoldWhile(std::string_view program) {
  if (ByPolicy()) return Outcome::ByPolicy;
  parts_.programWatch.AskFor(program);
  return HoldAnew();
}

// A reason asked for by the user holds even where the hold was set aside.
Outcome UserActions::HoldAnew() {
  parts_.hold.AskedAnew();
  Refresh();
  return Outcome::Done;
}

// The click method is stored before the icon goes: removing it is a call into
// a shell that may be busy at the end of the logon. An open dialog closes
// first, so that its modal loop ends and the program's own loop finds the quit.
void UserActions::Exit() {
  parts_.hold.End(SpanRuns());
  parts_.timedDialog.Cancel();
  parts_.timedDisable.End();
  parts_.displayKeeper.Release();
  parts_.settings.SaveClickMethod();
  parts_.trayIcon.Remove();
  parts_.pollTimer.Set(false);
  parts_.platform.mainWindow.Quit();
}

Report UserActions::State() {
  if (SpanRuns()) return {Status::Counting(), nullptr, parts_.timedDisable.SecondsLeft()};
  const Hold& hold = parts_.hold;
  return {ReadStatus(parts_.screenSaver, hold.Tip()), hold.heldBy()};
}

void UserActions::Resume() {
  if (parts_.timedDisable.Resume(ByPolicy())) {
    Show(Status::Counting());
    OnCountdownTick();
  }
  Apply(parts_.hold.Resume(SpanRuns()));
  if (!SpanRuns()) parts_.pollTimer.Set(true);
}

void UserActions::FollowPolicy() {
  if (SpanRuns() && ByPolicy()) return EndTimedDisable(false);
  Refresh();
}

void UserActions::Refresh(HoldChange change) {
  Apply(change);
  if (!SpanRuns()) Show(State().status);
}

}  // namespace bw
