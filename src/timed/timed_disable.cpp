#include "timed/timed_disable.h"

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

}  // namespace bw
