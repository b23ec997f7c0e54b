// Working hours as stored, and where a moment of the week falls.
#include "hours/working_hours.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

// Exactly "<on>;<days>;<from>;<to>", or nothing.
TEST(WorkingHours, StoredTextIsReadExactlyAsWritten) {
  const WorkingHours overnight{.on = true, .days = 0b1000001, .from = 22 * 60, .to = 6 * 60 + 5};
  EXPECT_EQ(StoredText(overnight), "1;1000001;22:00;06:05");
  EXPECT_EQ(StoredText(WorkingHours{}), "0;1111100;09:00;17:00");
  EXPECT_EQ(ParseWorkingHours("1;1000001;22:00;06:05"), overnight);
  for (const char* bad :
       {"", "2;1111100;09:00;17:00", "1;1111102;09:00;17:00", "1;1111100;24:00;17:00",
        "1;1111100;09:60;17:00", "1;1111100;09:00;17:00;", "1;1111100;09-00;17:00"}) {
    EXPECT_EQ(ParseWorkingHours(bad), std::nullopt) << bad;
  }
}

// A day ticked begins a spell; an overnight one runs into the next day; from
// equal to to is a whole day, and whole days in a row are one spell.
TEST(WorkingHours, InsideAndTheNextEdge) {
  const WorkingHours office{.on = true};
  const WorkingHours night{.on = true, .days = 0b0000001, .from = 22 * 60, .to = 6 * 60};
  const WorkingHours days{.on = true, .days = 0b0000011, .from = 0, .to = 0};
  const WorkingHours fromNine{.on = true, .days = 0b0000011, .from = 9 * 60, .to = 9 * 60};
  const WorkingHours always{.on = true, .days = 0b1111111, .from = 60, .to = 60};
  const WorkingHours noDays{.on = true, .days = 0};
  const struct {
    const WorkingHours& hours;
    int weekday, hour, minute;
    bool inside;
    int edgeDays, edgeHour, edgeMinute;  // days -1: no edge
  } rows[] = {{office, 0, 8, 59, false, 0, 9, 0}, {office, 0, 9, 0, true, 0, 17, 0},
              {office, 4, 17, 0, false, 3, 9, 0}, {office, 6, 23, 59, false, 1, 9, 0},
              {night, 0, 5, 0, false, 0, 22, 0},  {night, 0, 22, 0, true, 1, 6, 0},
              {night, 1, 5, 59, true, 0, 6, 0},   {night, 1, 6, 0, false, 6, 22, 0},
              {days, 0, 0, 0, true, 2, 0, 0},     {days, 2, 0, 0, false, 5, 0, 0},
              {fromNine, 1, 8, 0, true, 1, 9, 0}, {fromNine, 2, 9, 0, false, 5, 9, 0},
              {always, 3, 0, 30, true, -1, 0, 0}, {WorkingHours{}, 0, 10, 0, false, -1, 0, 0},
              {noDays, 0, 10, 0, false, -1, 0, 0}};
  for (const auto& row : rows) {
    const LocalTime now{row.weekday, row.hour * 60 + row.minute, 0};
    SCOPED_TRACE(testing::Message() << StoredText(row.hours) << " on day " << row.weekday << " at "
                                    << row.hour << ":" << row.minute);
    EXPECT_EQ(Inside(row.hours, now), row.inside);
    const std::optional<LocalMoment> edge = NextEdge(row.hours, now);
    EXPECT_EQ(edge ? edge->days * 10000 + edge->minuteOfDay : -1,
              row.edgeDays < 0 ? -1 : row.edgeDays * 10000 + row.edgeHour * 60 + row.edgeMinute);
  }
}

}  // namespace
}  // namespace bw
