#include "hold/hours_watch.h"

#include <algorithm>
#include <cstdint>

#include "words/texts.h"

namespace bw {

// The timer fires once: a day's length changes with daylight saving time, so
// each wait is measured anew by the zone's rules. One that fires a little
// early finds the edge still ahead and waits the rest.
void HoursWatch::Judge() {
  Stop();
  holds_ = false;
  if (!hours_.on) return;
  const LocalTime now = clock_.LocalNow();
  holds_ = Inside(hours_, now);
  const std::optional<LocalMoment> edge = NextEdge(hours_, now);
  if (holds_ && edge) {
    tip_ = (tipText_ = Fill(Text::HeldUntilTip, {locale_.TimeText(edge->minuteOfDay)})).c_str();
  } else if (holds_) {
    tip_ = Say(Text::HeldByHoursTip);
  }
  if (!edge) return;
  std::int64_t ms = clock_.MsUntilLocal(edge->days, edge->minuteOfDay);
  // An edge in the hour the clocks skip is a moment before the jump, passed
  // while the local time has not reached the edge: after one short wait the
  // edge is looked for at each whole minute, so that it comes at the jump.
  const bool soon = ms < 1000;
  if (soon && hurried_) ms = (60 - now.second) * 1000;
  hurried_ = soon;
  timers_.StartTimer(TimerId::Hours, static_cast<int>(std::clamp<std::int64_t>(ms, 1, INT32_MAX)));
  waiting_ = true;
}

void HoursWatch::Stop() {
  if (waiting_) timers_.StopTimer(TimerId::Hours);
  waiting_ = false;
}

}  // namespace bw
