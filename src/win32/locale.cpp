#include "win32/locale.h"

#include <windows.h>

#include "win32/text.h"

namespace bw::win32 {

// Numbered from Monday, as the program numbers the days.
int Locale::FirstDayOfWeek() {
  char day[4] = "";
  if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, day, sizeof day)) return 0;
  return day[0] >= '0' && day[0] <= '6' ? day[0] - '0' : 0;
}

std::string Locale::TimeText(int minuteOfDay) {
  SYSTEMTIME time{};
  time.wYear = 2000;
  time.wMonth = time.wDay = 1;
  time.wHour = static_cast<WORD>(minuteOfDay / 60);
  time.wMinute = static_cast<WORD>(minuteOfDay % 60);
  wchar_t text[64] = L"";
  if (!GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, 64)) {
    return {};
  }
  return Narrow(text);
}

}  // namespace bw::win32
