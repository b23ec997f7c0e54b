// A timed disable that a later copy of the program goes on with.
#include "timed/span_note.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using SpanNoteTest = test::Started;

using test::kOff, test::kOn;
const std::string kOurNote = "Software\\Blinkward\\TimedDisable\\00000000000003E7";

// A copy started after another was killed mid-span goes on with the time left
// and the start-at-the-end choice, also when it runs elevated (or no longer
// elevated) in the same logon; a span that ended meanwhile, or whose note
// cannot be read, only switches the screen saver back on. A note of another
// logon is left alone, and Windows drops the note with a restart.
TEST_F(SpanNoteTest, ALaterCopyGoesOnWithTheSpanOfThisLogonOnly) {
  fake.system.now = 5000;
  BeginSpan(1, 0, true);
  CountdownSeconds(1);
  const std::string kResumed =
      "saver off, clock: Screen Saver will be DISABLED\nfor the next 30 minutes";
  const struct {
    const char* name;
    std::uint32_t now;
    const char* logon;    // null: the same
    const char* linked;   // the logon's other token
    const char* counter;  // null: as written
    bool restart;
    const std::string& seen;  // after a second and a half: between two ticks
    bool noteKept;
  } rows[] = {
      {"half an hour later", 1806000, nullptr, nullptr, nullptr, false, kResumed, true},
      {"elevated", 1806000, "0000000000ABCDEF", "00000000000003E7", nullptr, false, kResumed, true},
      {"ended meanwhile", 3605000, nullptr, nullptr, nullptr, false, kOn, false},
      {"counter 3599x", 65000, nullptr, nullptr, "3599x", false, kOn, false},
      {"counter 0", 65000, nullptr, nullptr, "0", false, kOn, false},
      {"another logon", 65000, "0000000000ABCDEF", nullptr, nullptr, false, kOff, true},
      {"after a restart", 1000, nullptr, nullptr, nullptr, true, kOff, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    test::FakePlatform later;
    later.registry.values = fake.registry.values;
    later.registry.logonKeys = fake.registry.logonKeys;
    if (row.restart) later.registry.Restart();
    later.system.active = false;  // as the killed copy left it
    later.system.now = row.now;
    if (row.logon) later.system.logon = row.logon;
    if (row.linked) later.system.linkedLogon = row.linked;
    if (row.counter) later.registry.values[kOurNote + "|Counter"] = row.counter;
    test::Program again(later);
    again.Start();
    again.Pass(1500);
    EXPECT_EQ(later.Seen(), row.seen);
    EXPECT_EQ(later.system.started, 0);
    EXPECT_EQ(later.registry.Value(kOurNote, "Begun") != "<absent>", row.noteKept);
    if (row.seen != kResumed) continue;
    again.Pass(1800 * 1000);
    EXPECT_EQ(later.system.started, 1) << "the start-at-the-end choice was lost";
    EXPECT_EQ(later.registry.Value(kOurNote, "Begun"), "<absent>");
  }
}

// Two logons of one user (the console and a remote session) share the
// user's registry: neither erases the other's note.
TEST_F(SpanNoteTest, TwoLogonsOfOneUserKeepTheirNotesApart) {
  const std::string kRemoteNote = "Software\\Blinkward\\TimedDisable\\0000000000ABCDEF";
  BeginSpan(1, 0, false);
  test::FakePlatform remote(fake.registry);
  remote.system.logon = "0000000000ABCDEF";
  test::Program other(remote);
  other.Start();
  other.BeginSpan(2, 0, false);
  EXPECT_NE(fake.registry.Value(kOurNote, "Begun"), "<absent>");
  Choose(MenuCommand::TimedDisable);
  EXPECT_NE(fake.registry.Value(kRemoteNote, "Begun"), "<absent>");
}

}  // namespace
}  // namespace bw
