// A timed disable's life: begun, noted at once so that a copy started after a
// crash goes on with it, counted down by its timer, and ended, its note
// erased. A span must not outlast the program: the screen saver would stay
// off for the rest of the logon.
#pragma once

#include <optional>

#include "ports/session.h"
#include "ports/timer.h"
#include "screensaver/screen_saver.h"
#include "timed/countdown.h"
#include "timed/span_note.h"

namespace bw {

class TimedDisable {
 public:
  TimedDisable(ScreenSaver& screenSaver, ClockPort& clock, RegistryPort& registry,
               SessionPort& session, TimerPort& timers)
      : screenSaver_(screenSaver),
        countdown_(screenSaver, clock),
        note_(registry, session),
        timer_(timers, TimerId::Countdown, kCountdownTickMs) {}

  bool Running() const { return countdown_.Running(); }
  // The whole seconds until the running span ends.
  std::int32_t SecondsLeft() { return countdown_.SecondsLeft(); }
  const Countdown& countdown() const { return countdown_; }
  // At start-up: true when a span an earlier copy noted goes on. One whose
  // time ran out while no copy ran, one whose note cannot be read, and one
  // that a policy now overrides only switch the screen saver back on: the
  // moment to start it has passed.
  bool Resume(bool byPolicy);
  // Begins a span, or begins a running one anew.
  void Begin(const SpanRequest& request);
  // At each tick of its timer; the last one ends the span.
  CountdownTick Tick();
  // Ends a running span early: the screen saver goes back on, not started.
  void End();

 private:
  ScreenSaver& screenSaver_;
  Countdown countdown_;
  SpanNote note_;
  Timer timer_;
};

// A span of so many minutes, as the dialog's fields would give it.
SpanRequest SpanOfMinutes(int minutes, bool startWhenDone);
// A span until a time of day, today's if it is still to come, else
// tomorrow's; nothing for a time that is none.
std::optional<SpanRequest> SpanUntil(ClockPort& clock, int minuteOfDay, bool startWhenDone);

}  // namespace bw
