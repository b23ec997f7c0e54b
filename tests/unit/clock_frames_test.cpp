// The packed frames' format at its edges: whatever the stream holds, nothing
// is read past its end nor written outside the frames.
#include "timed/clock_frames.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Each stream is its first `length` bytes, placed to end just before a page
// that cannot be read: reading past its end crashes the test. The frames are
// four bytes between two guards, which show a write outside them.
TEST(PackedFrames, UnpackOnlyWhatFitsBothBuffers) {
  const std::size_t page = sysconf(_SC_PAGESIZE);
  auto* const pages = static_cast<std::uint8_t*>(
      mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(pages, MAP_FAILED);
  ASSERT_EQ(mprotect(pages + page, page, PROT_NONE), 0);
  const struct {
    std::vector<std::uint8_t> bytes;
    std::size_t length;
    std::string out;  // empty when refused
  } cases[] = {
      {{0x03, 'a', 'b', 'c', 'd'}, 5, "abcd"},
      {{0x00, 'a', 0x80, 0x01, 0x00}, 5, "aaaa"},  // a copy that repeats what it writes
      {{0x03, 'a', 'b', 'c', 'd'}, 4, ""},         // bytes past the stream's end
      {{0x00, 'a', 0x80, 0x01, 0x00}, 4, ""},      // a distance cut short
      {{0x00, 'a', 0x80, 0x00, 0x00}, 5, ""},      // a copy from no distance back
      {{0x00, 'a', 0x80, 0x02, 0x00}, 5, ""},      // one from before the start
      {{0x00, 'a', 0x80, 0x01, 0x01}, 5, ""},      // and by its high byte
      {{0x04, 'a', 'b', 'c', 'd', 'e'}, 6, ""},    // bytes past the frames' end
      {{0x00, 'a', 0x81, 0x01, 0x00}, 5, ""},      // a copy past them
      {{0x03, 'a', 'b', 'c', 'd', 0x00}, 6, ""},   // a byte left over
      {{0x03, 'a', 'b', 'c', 'd'}, 0, ""},         // nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.bytes) + " of " + std::to_string(c.length));
    std::uint8_t* const stream = pages + page - c.length;
    std::memcpy(stream, c.bytes.data(), c.length);
    std::string frames = "[----]";
    const bool ok = bw::UnpackFrames({stream, c.length},
                                     {reinterpret_cast<std::uint8_t*>(frames.data()) + 1, 4});
    EXPECT_EQ(ok, !c.out.empty());
    EXPECT_EQ(frames.front(), '[');
    EXPECT_EQ(frames.back(), ']');
    if (ok) EXPECT_EQ(frames.substr(1, 4), c.out);
  }
  munmap(pages, 2 * page);
}

}  // namespace
