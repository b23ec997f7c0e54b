// A timed disable: holds the screen saver off for a chosen span, tells the
// time left once a second, and at the end switches the screen saver on again. The time left is read
// from a clock that runs through sleep, so a machine that sleeps through part of the span does not
// hold the screen saver off for longer.
#pragma once

#include <cstdint>

#include "ports/clock.h"
#include "screensaver/screen_saver.h"
#include "timed/countdown_text.h"

namespace bw {

// The countdown ticks once a second.
inline constexpr int kCountdownTickMs = 1000;

// A span as entered: hours and minutes (minutes may exceed 59).
struct Span {
  std::int16_t hours = 0;
  std::int16_t minutes = 0;
};

// The counter of a span: its length in seconds, less one. A span is positive
// when its counter is.
constexpr std::int32_t SpanCounter(Span span) {
  return (std::int32_t{span.hours} * 60 + span.minutes) * 60 - 1;
}

// A span to count down: its counter, the span the dialog offers next, and
// whether the screen saver starts at its end.
struct SpanRequest {
  std::int32_t counter;
  Span span;
  bool startWhenDone;
};

// Where a running span stands, as a later copy of the program goes on with it.
struct SpanProgress {
  std::uint32_t begunAt;  // clock milliseconds
  std::int32_t counter;   // the span's counter at its start
  bool startWhenDone;
};

// What a tick left: the tip for the time left, or the end of the span and
// whether the screen saver is to start now.
struct CountdownTick {
  bool ended = false;
  bool startScreenSaver = false;
  std::string tip;
};

class Countdown {
 public:
  Countdown(ScreenSaver& screenSaver, ClockPort& clock)
      : screenSaver_(screenSaver), clock_(clock) {}

  bool Running() const { return running_; }
  // The span the dialog offers next: as entered, then the time left as the
  // last tick told it.
  Span LastSpan() const { return span_; }
  bool StartWhenDone() const { return startWhenDone_; }
  // The whole seconds until the last tick ends the span.
  std::int32_t SecondsLeft() { return CounterNow() - 1; }

  // Starts a timed disable of a positive counter. The first tick, a second
  // later, switches the screen saver off.
  void Begin(const SpanRequest& request);
  // Goes on with a span another copy of the program began; Expired() tells
  // whether its time ran out meanwhile.
  void Resume(const SpanProgress& progress);
  SpanProgress Progress() const { return {begunAt_, counterAtBegin_, startWhenDone_}; }
  bool Expired() { return CounterNow() - 1 <= 0; }
  // Once a second while it runs: switches the screen saver off, whatever
  // switched it on meanwhile, and tells the time left; the last tick ends the
  // span instead, switching the screen saver back on. Starting it is left to
  // the caller, who first lets go of whatever keeps the display on.
  CountdownTick Tick();
  // Ends a running span early (from the menu, or because the program ends):
  // the screen saver goes back on and is not started.
  void Stop();

 private:
  std::int32_t CounterNow();

  ScreenSaver& screenSaver_;
  ClockPort& clock_;
  bool running_ = false;
  Span span_;
  bool startWhenDone_ = false;
  std::int32_t counterAtBegin_ = 0;
  std::uint32_t begunAt_ = 0;  // clock milliseconds
};

}  // namespace bw
