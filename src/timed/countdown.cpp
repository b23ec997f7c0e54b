#include "timed/countdown.h"

#include <algorithm>

#include "timed/countdown_text.h"
#include "tray/popup_menu.h"

namespace bw {

void Countdown::Begin(Span span, bool startWhenDone) {
  span_ = span;
  startWhenDone_ = startWhenDone;
  counterAtBegin_ = SpanCounter(span);
  begunAt_ = clock_.TickCount();
  pollTimer_.Set(false);
  timer_.Set(true);
  ui_.SetMenuItem(MenuCommand::TimedDisable, kEnableCaption, true);
  ui_.SetMenuItem(MenuCommand::StartScreenSaver, kStartScreenSaverCaption, false);
  trayIcon_.SetPicture(TrayPicture::TimedDisable);
  // The tip keeps the last status text until the first tick replaces it.
  trayIcon_.Update();
}

// The counter as a tick once a second would have left it: one less for each
// whole second since the start (to the nearest, so a timer that fires a little
// early or late still counts one), and at least 1 once the time is up.
// Unsigned differences survive the clock's wrap.
std::int32_t Countdown::CounterNow() {
  const std::uint32_t elapsed = clock_.TickCount() - begunAt_;
  const auto seconds = static_cast<std::int64_t>((std::uint64_t{elapsed} + 500) / 1000);
  return static_cast<std::int32_t>(std::max<std::int64_t>(counterAtBegin_ + 1 - seconds, 1));
}

void Countdown::Tick() {
  // A tick already queued when the countdown ended must not switch the
  // screen saver off again.
  if (!Running()) return;
  // Switched off every second, whatever has switched it on meanwhile.
  screenSaver_.SetScreenSaverState(false, false);
  const std::int32_t counter = CounterNow();
  const CountdownSplit split = SplitSecondsLeft(counter);
  span_ = {split.hours, split.minutes};
  trayIcon_.SetTip(CountdownTip(counter, split).view());
  trayIcon_.Update();
  if (counter - 1 > 0) return;
  Stop();
  if (startWhenDone_) screenSaver_.StartScreenSaver();
}

void Countdown::End() {
  if (Running()) Stop();
}

void Countdown::Stop() {
  timer_.Set(false);
  screenSaver_.SetScreenSaverState(true, false);
  // The icon still shows the countdown, whether or not switching back worked.
  poller_.Invalidate();
  pollTimer_.Set(true);
  ui_.SetMenuItem(MenuCommand::StartScreenSaver, kStartScreenSaverCaption, true);
  ui_.SetMenuItem(MenuCommand::TimedDisable, kTimedDisableCaption, true);
  poller_.Tick();
}

void Countdown::Abandon() {
  if (!Running()) return;
  timer_.Set(false);
  screenSaver_.SetScreenSaverState(true, false);
}

}  // namespace bw
