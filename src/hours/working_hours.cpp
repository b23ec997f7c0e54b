#include "hours/working_hours.h"

namespace bw {
namespace {

constexpr int kDaysPerWeek = 7;
constexpr std::uint8_t kEveryDay = 0b1111111;

// From a spell's start to its end, in minutes.
int Length(const WorkingHours& hours) {
  const int length = (hours.to - hours.from + kMinutesPerDay) % kMinutesPerDay;
  return length ? length : kMinutesPerDay;
}

// Whether the day `offset` days from `weekday` (-1: the day before) begins a spell.
bool Ticked(const WorkingHours& hours, int weekday, int offset) {
  return hours.days >> ((weekday + offset + kDaysPerWeek) % kDaysPerWeek) & 1;
}

void AppendTime(std::string& text, int minuteOfDay) {
  const int hour = minuteOfDay / 60, minute = minuteOfDay % 60;
  const char time[] = {static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10), ':',
                       static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10)};
  text.append(time, sizeof time);
}

// "HH:MM" on 24 hours, two digits each.
std::optional<int> ParseTime(std::string_view text) {
  if (text.size() != 5 || text[2] != ':') return std::nullopt;
  for (std::size_t at = 0; at < 5; ++at) {
    if (at != 2 && (text[at] < '0' || text[at] > '9')) return std::nullopt;
  }
  const int hour = (text[0] - '0') * 10 + text[1] - '0';
  const int minute = (text[3] - '0') * 10 + text[4] - '0';
  if (hour > 23 || minute > 59) return std::nullopt;
  return hour * 60 + minute;
}

}  // namespace

std::string StoredText(const WorkingHours& hours) {
  std::string text = hours.on ? "1;" : "0;";
  for (int day = 0; day < kDaysPerWeek; ++day) text += (hours.days >> day & 1) ? '1' : '0';
  text += ';';
  AppendTime(text, hours.from);
  text += ';';
  AppendTime(text, hours.to);
  return text;
}

std::optional<WorkingHours> ParseWorkingHours(std::string_view text) {
  if (text.size() != 21 || text[1] != ';' || text[9] != ';' || text[15] != ';') return std::nullopt;
  if (text[0] != '0' && text[0] != '1') return std::nullopt;
  WorkingHours hours{.on = text[0] == '1', .days = 0};
  for (int day = 0; day < kDaysPerWeek; ++day) {
    const char c = text[2 + day];
    if (c != '0' && c != '1') return std::nullopt;
    if (c == '1') hours.days |= static_cast<std::uint8_t>(1 << day);
  }
  const std::optional<int> from = ParseTime(text.substr(10, 5)), to = ParseTime(text.substr(16));
  if (!from || !to) return std::nullopt;
  hours.from = *from;
  hours.to = *to;
  return hours;
}

// In a spell begun today, or in yesterday's that runs past midnight.
bool Inside(const WorkingHours& hours, LocalTime now) {
  if (!hours.on) return false;
  for (const int offset : {0, -1}) {
    const int into = now.minuteOfDay - offset * kMinutesPerDay - hours.from;
    if (Ticked(hours, now.weekday, offset) && into >= 0 && into < Length(hours)) return true;
  }
  return false;
}

std::optional<LocalMoment> NextEdge(const WorkingHours& hours, LocalTime now) {
  if (!hours.on || !hours.days) return std::nullopt;
  const int length = Length(hours);
  int edge;  // minutes from today's midnight
  if (Inside(hours, now)) {
    if (length == kMinutesPerDay && hours.days == kEveryDay) return std::nullopt;
    // The spell's first day: today, once today's has begun; else yesterday.
    int day = Ticked(hours, now.weekday, 0) && now.minuteOfDay >= hours.from ? 0 : -1;
    while (length == kMinutesPerDay && Ticked(hours, now.weekday, day + 1)) ++day;
    edge = day * kMinutesPerDay + hours.from + length;
  } else {
    int day = now.minuteOfDay < hours.from ? 0 : 1;
    while (!Ticked(hours, now.weekday, day)) ++day;
    edge = day * kMinutesPerDay + hours.from;
  }
  return LocalMoment{edge / kMinutesPerDay, edge % kMinutesPerDay};
}

}  // namespace bw
