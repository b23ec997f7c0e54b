// The user's locale (kernel32): how days and times are written.
#pragma once

#include <string>

namespace bw {

class LocalePort {
 public:
  virtual ~LocalePort() = default;
  // The first day of the week: 0 Monday ... 6 Sunday.
  virtual int FirstDayOfWeek() = 0;
  // A time of day as the user writes it, without seconds ("17:30", "5:30 PM").
  virtual std::string TimeText(int minuteOfDay) = 0;
};

}  // namespace bw
