// The user's working hours: whether they count, on which days, from when to
// when; how they are stored, and where a moment of the local time falls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/clock.h"

namespace bw {

inline constexpr int kMinutesPerDay = 24 * 60;

// Each ticked day begins a spell at `from` that lasts to the next `to`: over
// midnight when `to` comes first, a whole day when they are equal.
struct WorkingHours {
  bool on = false;
  std::uint8_t days = 0b0011111;    // bit 0 Monday ... bit 6 Sunday
  int from = 9 * 60, to = 17 * 60;  // minutes of the day
  bool operator==(const WorkingHours&) const = default;
};

// As stored: "<on>;<days>;<from>;<to>", e.g. "1;1111100;09:00;17:00": on 0 or
// 1, the days as seven 0 or 1 from Monday, the times as HH:MM on 24 hours.
std::string StoredText(const WorkingHours& hours);
// Nothing for a text that is not exactly so.
std::optional<WorkingHours> ParseWorkingHours(std::string_view text);

// A local time as ClockPort::MsUntilLocal takes it.
struct LocalMoment {
  int days;  // after today
  int minuteOfDay;
};

bool Inside(const WorkingHours& hours, LocalTime now);
// The next moment at which Inside changes: inside, the end of the spell
// (spells that meet run on as one); outside, the next start. Nothing when it
// never changes.
std::optional<LocalMoment> NextEdge(const WorkingHours& hours, LocalTime now);

}  // namespace bw
