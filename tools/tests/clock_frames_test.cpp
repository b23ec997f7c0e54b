// The packed stopwatch frames the exe holds: unpacked as the program unpacks
// them, they are the committed .ico files' bitmaps, byte for byte.
#include "timed/clock_frames.h"

#include <gtest/gtest.h>

#include "art_catalog.h"
#include "ico_reader.h"
#include "stopwatch.h"

namespace {

using art_test::Ico;

// Whole, the stream fills the frames exactly; cut short anywhere, or with a
// byte to spare, it is refused.
TEST(PackedClockFrames, UnpackToTheCommittedIcons) {
  const std::vector<std::uint8_t> packed = Ico(art::kPackedClockFile).bytes;
  ASSERT_FALSE(packed.empty());
  std::vector<std::uint8_t> frames(art::kClockFrameCount * bw::kClockFrameBytes);
  ASSERT_TRUE(bw::UnpackFrames(packed, frames));
  for (int k = 0; k < art::kClockFrameCount; ++k) {
    const Ico ico(art::ClockFileName(k));
    ASSERT_EQ(ico.U32(ico.Entry(0) + 8), bw::kClockFrameBytes) << k;
    const auto bitmap = ico.bytes.begin() + ico.Header(0);
    EXPECT_TRUE(std::equal(bitmap, bitmap + bw::kClockFrameBytes,
                           frames.begin() + k * bw::kClockFrameBytes))
        << art::ClockFileName(k);
  }

  for (std::size_t cut = 0; cut < packed.size(); ++cut) {
    ASSERT_FALSE(bw::UnpackFrames({packed.data(), cut}, frames)) << cut;
  }
  std::vector<std::uint8_t> longer = packed;
  longer.push_back(0);
  EXPECT_FALSE(bw::UnpackFrames(longer, frames));
}

}  // namespace
