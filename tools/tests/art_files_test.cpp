// The committed icons: identical to what the drawing code makes, well-formed
// .ico files of the sizes and depths the program expects, and each compiled
// into the exe under the identifier the code loads it by.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "art_catalog.h"
#include "ico_reader.h"
#include "resource_ids.h"

namespace {

using art_test::DecodedIco;
using art_test::DecodeIco;
using art_test::ReadFileBytes;

const std::string kResDir = ART_RES_DIR;

TEST(ArtFiles, CommittedFilesMatchTheGenerator) {
  const std::vector<art::ArtFile> files = art::BuildArtFiles();
  ASSERT_EQ(files.size(), 28u) << "app icon, three tray pictures and 24 clock frames";
  for (const art::ArtFile& file : files) {
    const std::vector<std::uint8_t> committed = ReadFileBytes(kResDir + "/" + file.name);
    const auto diff =
        std::mismatch(committed.begin(), committed.end(), file.bytes.begin(), file.bytes.end());
    EXPECT_TRUE(committed.size() == file.bytes.size() && diff.first == committed.end())
        << file.name << " differs from the drawing code at byte " << diff.first - committed.begin()
        << " (committed " << committed.size() << " bytes, drawn " << file.bytes.size()
        << "); rebuild the regenerate_art target and commit the result";
  }
}

struct Expected {
  int size, bits, dir_colours;
};

void ExpectImages(const std::string& name, const std::vector<Expected>& expected) {
  SCOPED_TRACE(name);
  const DecodedIco ico = DecodeIco(ReadFileBytes(kResDir + "/" + name));
  ASSERT_EQ(ico.error, "");
  ASSERT_EQ(ico.images.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const art_test::DecodedImage& img = ico.images[i];
    EXPECT_EQ(img.width, expected[i].size) << "image " << i;
    EXPECT_EQ(img.height, expected[i].size) << "image " << i;
    EXPECT_EQ(img.bits, expected[i].bits) << "image " << i;
    EXPECT_EQ(img.dir_colour_count, expected[i].dir_colours) << "image " << i;
    for (int y = 0; y < img.height; ++y) {
      for (int x = 0; x < img.width; ++x) {
        // Under a set mask bit the colour is XORed onto the background: only black leaves it be.
        if (img.Transparent(x, y)) {
          ASSERT_EQ(img.At(x, y), art::pal::kBlack) << "transparent pixel " << x << "," << y;
        }
        if (img.bits == 4) {
          ASSERT_TRUE(std::ranges::count(art::kStandardPalette, img.At(x, y)) == 1)
              << "pixel " << x << "," << y << " is not a standard 16-colour palette entry";
        }
      }
    }
  }
}

TEST(ArtFiles, IconsHaveTheExpectedSizesAndDepths) {
  ExpectImages("app.ico", {{32, 4, 16}, {16, 4, 16}});
  for (const char* name : {"status_enabled.ico", "status_disabled.ico", "status_timed.ico"}) {
    ExpectImages(name, {{16, 4, 16}});
  }
  for (int k = 0; k < IDI_CLOCK_COUNT; ++k) ExpectImages(art::ClockFileName(k), {{32, 24, 0}});
}

// Reads the ICON lines of the resource script: identifier (macro or number) -> file name.
std::map<int, std::string> IconsInResourceScript() {
  const std::map<std::string, int> macros = {{"IDI_APP", IDI_APP},
                                             {"IDI_STATUS_ENABLED", IDI_STATUS_ENABLED},
                                             {"IDI_STATUS_DISABLED", IDI_STATUS_DISABLED},
                                             {"IDI_STATUS_TIMED", IDI_STATUS_TIMED}};
  std::ifstream in(kResDir + "/blinkward.rc");
  std::map<int, std::string> icons;
  const std::regex icon_line(R"re(^\s*(\w+)\s+ICON\s+"([^"]+)"\s*$)re");
  std::string line;
  while (std::getline(in, line)) {
    std::smatch m;
    if (!std::regex_match(line, m, icon_line)) continue;
    const auto macro = macros.find(m[1]);
    const int id = macro != macros.end() ? macro->second : std::stoi(m[1]);
    EXPECT_TRUE(icons.emplace(id, m[2]).second) << "icon id " << id << " used twice";
  }
  return icons;
}

TEST(ResourceScript, CompilesEachPictureUnderTheIdTheCodeLoads) {
  std::map<int, std::string> expected = {{IDI_APP, "app.ico"},
                                         {IDI_STATUS_ENABLED, "status_enabled.ico"},
                                         {IDI_STATUS_DISABLED, "status_disabled.ico"},
                                         {IDI_STATUS_TIMED, "status_timed.ico"}};
  for (int k = 0; k < IDI_CLOCK_COUNT; ++k) expected[IDI_CLOCK_FIRST + k] = art::ClockFileName(k);
  EXPECT_EQ(IconsInResourceScript(), expected);

  // And every file the generator draws is one of them.
  for (const art::ArtFile& file : art::BuildArtFiles()) {
    EXPECT_EQ(std::ranges::count(expected, file.name, &std::pair<const int, std::string>::second),
              1)
        << file.name;
  }
}

}  // namespace
