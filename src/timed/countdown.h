// A timed disable: holds the screen saver off for a chosen span, counts the
// time left down in the tray tip once a second, and at the end switches the
// screen saver on again (and starts it, if asked). The time left is read from
// a clock that runs through sleep, so a machine that sleeps through part of
// the span does not hold the screen saver off for longer.
#pragma once

#include <cstdint>

#include "platform/ui.h"
#include "screensaver/screen_saver.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"

namespace bw {

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

class Countdown {
 public:
  Countdown(ScreenSaver& screenSaver, TrayIcon& trayIcon, StatusPoller& poller, UiPort& ui,
            SystemPort& clock, Timer& pollTimer)
      : screenSaver_(screenSaver),
        trayIcon_(trayIcon),
        poller_(poller),
        ui_(ui),
        clock_(clock),
        pollTimer_(pollTimer),
        timer_(ui, TimerId::Countdown) {}

  bool Running() const { return timer_.Running(); }
  // The span the dialog offers next: as entered, then the time left as the
  // last tick showed it.
  Span LastSpan() const { return span_; }
  bool StartWhenDone() const { return startWhenDone_; }

  // Starts a timed disable of a positive span. The first tick, a second
  // later, switches the screen saver off; the tray shows the timed picture now.
  void Begin(Span span, bool startWhenDone);
  // Once a second.
  void Tick();
  // Ends a running timed disable early: the screen saver goes back on, and is
  // not started.
  void End();
  // The program ends: the screen saver must not stay off for the rest of the
  // logon, which would make the chosen span unlimited.
  void Abandon();

 private:
  void Stop();
  std::int32_t CounterNow();

  ScreenSaver& screenSaver_;
  TrayIcon& trayIcon_;
  StatusPoller& poller_;
  UiPort& ui_;
  SystemPort& clock_;
  Timer& pollTimer_;
  Timer timer_;
  Span span_;
  bool startWhenDone_ = false;
  std::int32_t counterAtBegin_ = 0;
  std::uint32_t begunAt_ = 0;  // clock milliseconds
};

}  // namespace bw
