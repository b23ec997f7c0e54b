// The committed icons: what the drawing code makes, every one compiled into
// the exe under the identifier the code loads it by.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "art_catalog.h"
#include "ico_reader.h"
#include "stopwatch.h"
#include "timed/clock_frames.h"

namespace {

using art_test::Ico;

// The ICON and RCDATA lines of the resource script, identifier -> file, name
// the files the generator writes (the stopwatch's frames in their packed
// file), and those are committed as it writes them.
TEST(ArtFiles, TheResourceScriptCompilesWhatTheGeneratorDrew) {
  const std::map<std::string, std::string> expected = {
      {"IDI_APP", "app.ico"},
      {"IDI_STATUS_ENABLED", "status_enabled.ico"},
      {"IDI_STATUS_DISABLED", "status_disabled.ico"},
      {"IDI_STATUS_TIMED", "status_timed.ico"},
      {"IDR_CLOCK_FRAMES", art::kPackedClockFile}};
  std::ifstream in(ART_RES_DIR "/blinkward.rc");
  std::map<std::string, std::string> icons;
  const std::regex iconLine(R"re(^\s*(\w+)\s+(?:ICON|RCDATA)\s+"([^"]+)"\s*$)re");
  std::smatch m;
  for (std::string line; std::getline(in, line);) {
    if (std::regex_match(line, m, iconLine)) EXPECT_TRUE(icons.emplace(m[1], m[2]).second) << line;
  }
  EXPECT_EQ(icons, expected);

  std::set<std::string> drawn;
  for (const art::ArtFile& file : art::BuildArtFiles()) {
    drawn.insert(file.name);
    EXPECT_TRUE(Ico(file.name).bytes == file.bytes)
        << file.name << " differs from the drawing code: build the regenerate_art target and "
        << "commit the result";
  }
  std::set<std::string> compiled;
  for (const auto& [id, name] : icons) compiled.insert(name);
  for (int k = 0; k < 24; ++k)
    compiled.insert("clock" + std::to_string(100 + k).substr(1) + ".ico");
  EXPECT_EQ(drawn, compiled);
}

// The packed frames the exe holds, unpacked as the program unpacks them, are
// the committed .ico files' bitmaps, byte for byte.
TEST(ArtFiles, ThePackedFramesAreTheCommittedIcons) {
  const std::vector<std::uint8_t> packed = Ico(art::kPackedClockFile).bytes;
  std::vector<std::uint8_t> frames(24 * bw::kClockFrameBytes);
  ASSERT_TRUE(bw::UnpackFrames(packed, frames));
  for (int k = 0; k < 24; ++k) {
    const Ico ico(art::ClockFileName(k));
    const auto bitmap = ico.bytes.begin() + ico.Header(0);
    ASSERT_EQ(ico.bytes.end() - bitmap, 3240) << k;
    EXPECT_TRUE(std::equal(bitmap, ico.bytes.end(), frames.begin() + k * 3240)) << k;
  }
}

}  // namespace
