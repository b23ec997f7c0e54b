#include "timed/countdown.h"

#include <algorithm>

namespace bw {

void Countdown::Begin(const SpanRequest& request) {
  span_ = request.span;
  startWhenDone_ = request.startWhenDone;
  counterAtBegin_ = request.counter;
  begunAt_ = clock_.TickCount();
  running_ = true;
}

void Countdown::Resume(const SpanProgress& progress) {
  begunAt_ = progress.begunAt;
  counterAtBegin_ = progress.counter;
  startWhenDone_ = progress.startWhenDone;
  const CountdownSplit split = SplitCounter(CounterNow());
  span_ = {split.hours, split.minutes};
  running_ = true;
}

// The counter as a tick once a second would have left it: one less for each
// whole second since the start (to the nearest, so a timer that fires a little
// early or late still counts one), and at least 1 once the time is up.
// Unsigned differences survive the clock's wrap. The rounding goes by the
// remainder: adding half a second first could carry past 32 bits, and a
// 64-bit division costs a 32-bit program a library routine.
std::int32_t Countdown::CounterNow() {
  const std::uint32_t elapsed = clock_.TickCount() - begunAt_;
  const std::uint32_t seconds = elapsed / 1000 + (elapsed % 1000 >= 500);
  return static_cast<std::int32_t>(
      std::max<std::int64_t>(counterAtBegin_ + std::int64_t{1} - seconds, 1));
}

CountdownTick Countdown::Tick() {
  screenSaver_.SetScreenSaverState(false);
  const std::int32_t counter = CounterNow();
  const CountdownSplit split = SplitCounter(counter);
  span_ = {split.hours, split.minutes};
  CountdownTick tick{.ended = counter - 1 <= 0, .tip = CountdownTip(counter, split)};
  if (!tick.ended) return tick;
  tick.startScreenSaver = startWhenDone_;
  Stop();
  return tick;
}

void Countdown::Stop() {
  if (!running_) return;
  running_ = false;
  screenSaver_.SetScreenSaverState(true);
}

}  // namespace bw
