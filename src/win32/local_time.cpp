// The clock's local side: the time zone's rules, daylight saving time
// included, are the system's.
#include <windows.h>

#include "win32/system.h"

namespace bw::win32 {
namespace {

constexpr std::uint32_t kTicksPerMs = 10000;  // FILETIME counts 100 ns
constexpr std::int64_t kTicksPerDay = 24LL * 60 * 60 * 1000 * kTicksPerMs;

std::int64_t Ticks(const FILETIME& time) {
  return static_cast<std::int64_t>(
      ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
}

// Long division 16 bits at a time, each step within 32 bits as the divisor
// is below 2^16: a 32-bit program needs no 64-bit division routine for it.
std::int64_t MsOfTicks(std::uint64_t ticks) {
  std::uint64_t ms = 0;
  std::uint32_t remainder = 0;
  for (int shift = 48; shift >= 0; shift -= 16) {
    const std::uint32_t part =
        remainder << 16 | static_cast<std::uint32_t>(ticks >> shift & 0xffff);
    ms = ms << 16 | part / kTicksPerMs;
    remainder = part % kTicksPerMs;
  }
  return static_cast<std::int64_t>(ms);
}

}  // namespace

LocalTime System::LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  // SYSTEMTIME counts the days from Sunday.
  return {(now.wDayOfWeek + 6) % 7, now.wHour * 60 + now.wMinute, now.wSecond};
}

// The local date of the day asked for, at that time, turned into UTC by the
// rules in force on that day.
std::int64_t System::MsUntilLocal(int days, int minuteOfDay) {
  FILETIME nowUtc{};
  GetSystemTimeAsFileTime(&nowUtc);
  SYSTEMTIME local{};
  GetLocalTime(&local);
  local.wHour = static_cast<WORD>(minuteOfDay / 60);
  local.wMinute = static_cast<WORD>(minuteOfDay % 60);
  local.wSecond = local.wMilliseconds = 0;
  FILETIME today{};
  if (!SystemTimeToFileTime(&local, &today)) return 0;
  const ULONGLONG target = static_cast<ULONGLONG>(Ticks(today) + days * kTicksPerDay);
  const FILETIME targetLocal{static_cast<DWORD>(target), static_cast<DWORD>(target >> 32)};
  SYSTEMTIME targetDay{}, targetUtcTime{};
  FILETIME targetUtc{};
  if (!FileTimeToSystemTime(&targetLocal, &targetDay) ||
      !TzSpecificLocalTimeToSystemTime(nullptr, &targetDay, &targetUtcTime) ||
      !SystemTimeToFileTime(&targetUtcTime, &targetUtc)) {
    return 0;
  }
  const std::int64_t ticks = Ticks(targetUtc) - Ticks(nowUtc);
  return ticks > 0 ? MsOfTicks(static_cast<std::uint64_t>(ticks)) : 0;
}

}  // namespace bw::win32
