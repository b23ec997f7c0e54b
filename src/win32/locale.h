// LocalePort on kernel32: the user's own formats.
#pragma once

#include "ports/locale_port.h"

namespace bw::win32 {

class Locale final : public LocalePort {
 public:
  int FirstDayOfWeek() override;
  std::string TimeText(int minuteOfDay) override;
};

}  // namespace bw::win32
