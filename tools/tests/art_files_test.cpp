// The committed icons: what the drawing code makes, every one compiled into
// the exe under the identifier the code loads it by, and well-formed .ico
// files holding the sizes the system asks for.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "art_catalog.h"
#include "ico_reader.h"
#include "icons.h"
#include "stopwatch.h"

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
  for (int k = 0; k < art::kClockFrameCount; ++k) compiled.insert(art::ClockFileName(k));
  EXPECT_EQ(drawn, compiled);
}

// Directory entries and bitmap headers as Windows reads them, the images one after
// another to the file's end; 4-bit images use the standard palette, and under a set
// mask bit the colour is black, since it is XORed onto the background. The icons
// hold one image of each size the system asks for, so it never scales one; the
// stopwatch's frames one true-colour image. The icons' corners show the background.
TEST(ArtFiles, HeadersDescribeTheImagesTheProgramExpects) {
  for (const art::ArtFile& file : art::BuildArtFiles()) {
    if (!file.name.ends_with(".ico")) continue;
    SCOPED_TRACE(file.name);
    const bool clock = file.name.starts_with("clock");
    const std::vector<int> sizes =
        clock ? std::vector{art::kClockSize}
              : std::vector(std::begin(art::kIconSizes), std::end(art::kIconSizes));
    const std::uint32_t bits = clock ? 24 : 4;
    const Ico ico(file.name);
    ASSERT_EQ((std::vector{ico.U16(0), ico.U16(2), ico.U16(4)}),
              (std::vector<std::uint32_t>{0, 1, static_cast<std::uint32_t>(sizes.size())}));
    std::size_t next = ico.Entry(sizes.size());
    for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
      const std::size_t e = ico.Entry(i), h = ico.Header(i);
      const std::uint32_t n = sizes[i];
      SCOPED_TRACE(n);
      // Entry: width, height, colour count, planes, bits per pixel, offset.
      EXPECT_EQ((std::vector<std::uint32_t>{ico.bytes[e], ico.bytes[e + 1], ico.bytes[e + 2],
                                            ico.U16(e + 4), ico.U16(e + 6), ico.U32(e + 12)}),
                (std::vector<std::uint32_t>{n, n, bits == 4 ? 16u : 0u, 1, bits,
                                            static_cast<std::uint32_t>(next)}));
      // BITMAPINFOHEADER: size, width, twice the height (colours and mask), planes,
      // bits per pixel, no compression; the entry's byte count covers the image.
      EXPECT_EQ((std::vector{ico.U32(h), ico.U32(h + 4), ico.U32(h + 8), ico.U16(h + 12),
                             ico.U16(h + 14), ico.U32(h + 16)}),
                (std::vector<std::uint32_t>{40, n, 2 * n, 1, bits, 0}));
      EXPECT_EQ(ico.U32(e + 8), ico.Rows(i) - h + (ico.ColourRow(i) + ico.MaskRow(i)) * n);
      next += ico.U32(e + 8);
      for (int p = 0; p < (bits == 4 ? 16 : 0); ++p) {
        const std::size_t at = ico.Palette(i) + 4 * p;
        EXPECT_EQ((art::Rgb{ico.bytes[at + 2], ico.bytes[at + 1], ico.bytes[at]}),
                  art::kStandardPalette[p]);
      }
      for (int y = 0; y < sizes[i]; ++y) {
        for (int x = 0; x < sizes[i]; ++x) {
          ASSERT_TRUE(!ico.Transparent(x, y, i) || ico.At(x, y, i) == art::pal::kBlack)
              << x << "," << y;
        }
      }
      if (clock) continue;  // the stopwatch's corners are its own business
      for (const auto& [x, y] : {std::pair{0u, 0u}, {n - 1, 0u}, {0u, n - 1}, {n - 1, n - 1}}) {
        EXPECT_TRUE(ico.Transparent(x, y, i)) << "corner " << x << "," << y;
      }
    }
    EXPECT_EQ(next, ico.bytes.size());
  }
}

}  // namespace
