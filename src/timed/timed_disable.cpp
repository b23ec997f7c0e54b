#include "timed/timed_disable.h"

#include <algorithm>

#include "timed/span_entry.h"

namespace bw {

bool TimedDisable::Resume(bool byPolicy) {
  const NotedSpan noted = note_.Read();
  if (noted.state == NotedSpan::State::None) return false;
  if (noted.state == NotedSpan::State::Running && !byPolicy) {
    countdown_.Resume(noted.progress);
    if (!countdown_.Expired()) {
      timer_.Set(true);
      return true;
    }
  }
  countdown_.Stop();
  screenSaver_.SetScreenSaverState(true);
  note_.Erase();
  return false;
}

void TimedDisable::Begin(const SpanRequest& request) {
  countdown_.Begin(request);
  note_.Write(countdown_.Progress());
  timer_.Set(true);
}

CountdownTick TimedDisable::Tick() {
  const CountdownTick tick = countdown_.Tick();
  if (tick.ended) {
    note_.Erase();
    timer_.Set(false);
  }
  return tick;
}

void TimedDisable::End() {
  if (!countdown_.Running()) return;
  countdown_.Stop();
  note_.Erase();
  timer_.Set(false);
}

SpanRequest SpanOfMinutes(int minutes, bool startWhenDone) {
  const int hours = std::min(minutes / 60, 99);
  const Span span{static_cast<std::int16_t>(hours),
                  static_cast<std::int16_t>(minutes - hours * 60)};
  return {SpanCounter(span), span, startWhenDone};
}

// The span is measured now, as the dialog measures it when OK is pressed.
std::optional<SpanRequest> SpanUntil(ClockPort& clock, int minuteOfDay, bool startWhenDone) {
  if (!IsTimeOfDay(minuteOfDay)) return std::nullopt;
  const std::int32_t counter = CounterOfMs(MsUntilTime(clock, minuteOfDay));
  if (counter <= 0) return std::nullopt;
  const CountdownSplit split = SplitCounter(counter);
  return SpanRequest{counter, {split.hours, split.minutes}, startWhenDone};
}

}  // namespace bw
