#include "timed/countdown_text.h"

#include <cmath>

#include "text/decimal.h"
#include "text/utf8.h"
#include "words/texts.h"

namespace bw {
namespace {

// At and below this counter value the tip no longer names minutes.
constexpr std::int32_t kFewSecondsFrom = 30;

std::string Number(Text id, std::int32_t value) { return Fill(id, {DecimalText(value)}); }

}  // namespace

CountdownSplit SplitCounter(std::int32_t counter) {
  // Whole hours of the rounded-up minutes: the 60 added here is the minute
  // that rounding up adds below. The product is formed in 32 bits; for every
  // span the dialog takes (at most 100 hours) it equals the 16-bit one.
  auto hours =
      static_cast<std::int16_t>(static_cast<std::int32_t>(std::floor((counter + 60) / 3600.0)));
  auto minutes = static_cast<std::int16_t>(static_cast<std::int32_t>(
      std::floor(counter / 60.0) - static_cast<std::int32_t>(hours) * 60 + 1));
  return {hours, minutes};
}

std::string CountdownTip(std::int32_t counter, CountdownSplit split) {
  std::string hours, minutes;
  if (split.hours != 0) hours = Number(split.hours == 1 ? Text::OneHour : Text::Hours, split.hours);
  const bool named = counter > kFewSecondsFrom && split.minutes != 0;
  if (counter <= kFewSecondsFrom) {
    minutes = Say(Text::FewSeconds);
  } else if (split.minutes == 0) {
  } else if (split.minutes != 1) {
    minutes = Number(Text::Minutes, split.minutes);
  } else {
    minutes = hours.empty() ? Say(Text::MinuteAlone) : Number(Text::OneMinute, 1);
  }
  const auto tip = [&] {
    if (hours.empty() || !named) return Fill(Text::CountdownTip, {hours + minutes});
    return Fill(Text::CountdownTip, {Fill(Text::HoursAndMinutes, {hours, minutes})});
  };
  // Long spans do not fit the field whole; the short unit keeps every number
  // readable, which cutting the end off would not.
  std::string text = tip();
  if (named && (split.minutes != 1 || !hours.empty()) && Utf16Length(text) > kTipTextMax) {
    minutes = Number(Text::MinutesShort, split.minutes);
    text = tip();
  }
  return text;
}

}  // namespace bw
