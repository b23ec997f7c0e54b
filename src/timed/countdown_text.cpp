#include "timed/countdown_text.h"

#include <algorithm>
#include <cmath>

#include "text/decimal.h"
#include "words/words.h"

namespace bw {
namespace {

constexpr std::string_view kLead = kCountdownTipLead;
// At and below this counter value the tip no longer names minutes.
constexpr std::int32_t kFewSecondsFrom = 30;

// Decimal digits of a number; the view points into the object itself.
struct Digits {
  char chars[11];
  std::string_view view;
  Digits(const Digits&) = delete;
  explicit Digits(std::int32_t value) {
    const char* start = WriteDecimal(chars + sizeof chars, value);
    view = {start, static_cast<std::size_t>(chars + sizeof chars - start)};
  }
};

// The words of the tip after "for the next ", as separate pieces so that the
// length can be known before anything is written.
struct TimeWords {
  std::string_view hours;        // digits, or empty
  std::string_view hoursWord;    // " hour", " hours", or empty
  std::string_view conjunction;  // " and " or empty
  std::string_view minutes;      // digits, or empty
  std::string_view minutesWord;  // " minute(s)", "minute" alone, "few seconds", or empty

  std::size_t size() const {
    return kLead.size() + hours.size() + hoursWord.size() + conjunction.size() + minutes.size() +
           minutesWord.size();
  }
};

}  // namespace

void TipText::Append(std::string_view text) {
  std::size_t n = std::min(text.size(), kTipTextMax - length_);
  std::copy_n(text.data(), n, chars_ + length_);
  length_ += n;
}

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

TipText CountdownTip(std::int32_t counter, CountdownSplit split) {
  Digits hoursDigits(split.hours);
  Digits minutesDigits(split.minutes);
  TimeWords words;

  if (split.hours != 0) {
    words.hours = hoursDigits.view;
    words.hoursWord = split.hours == 1 ? " hour" : " hours";
  }
  bool hasHours = !words.hours.empty();
  if (counter <= kFewSecondsFrom) {
    words.minutesWord = "few seconds";
  } else if (split.minutes != 0) {
    if (hasHours) words.conjunction = " and ";
    if (split.minutes != 1) {
      words.minutes = minutesDigits.view;
      words.minutesWord = " minutes";
    } else if (hasHours) {
      words.minutes = minutesDigits.view;
      words.minutesWord = " minute";
    } else {
      words.minutesWord = "minute";
    }
  }

  // Long spans do not fit the field whole; the short unit keeps every number
  // readable, which cutting the end off would not.
  if (words.size() > kTipTextMax && !words.minutes.empty()) words.minutesWord = " min";

  TipText tip;
  tip.Append(kLead);
  tip.Append(words.hours);
  tip.Append(words.hoursWord);
  tip.Append(words.conjunction);
  tip.Append(words.minutes);
  tip.Append(words.minutesWord);
  return tip;
}

}  // namespace bw
