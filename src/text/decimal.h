// Whole numbers as decimal text, as the registry stores them and the fields
// show them: what std::from_chars and std::to_chars would do, without their
// 64-bit arithmetic and digit tables in a 32-bit program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bw {

// Returned by ParseDecimal for text that is no number: below every number
// a caller takes, so that its range check turns it away.
constexpr std::int64_t kNoDecimal = INT64_MIN;

// One digit or more and nothing else, after a minus sign if signed; the
// number at most 4294967295 either way, or kNoDecimal.
std::int64_t ParseDecimal(std::string_view text, bool isSigned);

// The digits of a number, after a minus sign below zero, written to end at
// `end`; returns where they start. Eleven chars hold any.
char* WriteDecimal(char* end, std::int32_t value);
std::string DecimalText(std::int32_t value);
// A number below 100 as two digits, written from `at`; returns their end.
char* WriteTwoDigits(char* at, int value);
std::string DecimalText(std::uint32_t value);

}  // namespace bw
