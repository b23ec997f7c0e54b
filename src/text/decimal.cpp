#include "text/decimal.h"

namespace bw {
namespace {

char* WriteDigits(char* end, std::uint32_t value) {
  do {
    *--end = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value);
  return end;
}

}  // namespace

std::int64_t ParseDecimal(std::string_view text, bool isSigned) {
  const bool negative = isSigned && !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty()) return kNoDecimal;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return kNoDecimal;
    value = value * 10 + (c - '0');
    if (value > UINT32_MAX) return kNoDecimal;
  }
  return negative ? -value : value;
}

char* WriteDecimal(char* end, std::int32_t value) {
  // The magnitude in unsigned arithmetic, where INT32_MIN has one too.
  auto magnitude = static_cast<std::uint32_t>(value);
  if (value < 0) magnitude = 0u - magnitude;
  char* start = WriteDigits(end, magnitude);
  if (value < 0) *--start = '-';
  return start;
}

char* WriteTwoDigits(char* at, int value) {
  *at++ = static_cast<char>('0' + value / 10);
  *at++ = static_cast<char>('0' + value % 10);
  return at;
}

std::string DecimalText(std::int32_t value) {
  char chars[11];
  return std::string(WriteDecimal(chars + 11, value), chars + 11);
}

std::string DecimalText(std::uint32_t value) {
  char chars[10];
  return std::string(WriteDigits(chars + 10, value), chars + 10);
}

}  // namespace bw
