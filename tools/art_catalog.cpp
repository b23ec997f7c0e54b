#include "art_catalog.h"

#include <optional>

#include "frame_pack.h"
#include "ico_file.h"
#include "icons.h"
#include "stopwatch.h"
#include "timed/clock_frames.h"

namespace art {

std::string ClockFileName(int k) {
  std::string name = "clock00.ico";
  name[5] = static_cast<char>('0' + k / 10);
  name[6] = static_cast<char>('0' + k % 10);
  return name;
}

std::vector<ArtFile> BuildArtFiles() {
  std::vector<ArtFile> files;
  auto add = [&files](std::string name, const std::vector<IcoImage>& images) {
    std::optional<std::vector<std::uint8_t>> bytes = EncodeIco(images);
    if (!bytes) return false;
    files.push_back({std::move(name), std::move(*bytes)});
    return true;
  };

  // Largest first, as the system expects; it picks the image by size, not by place.
  auto sizes = [](auto draw) {
    std::vector<Canvas> canvases;
    for (int size : kIconSizes) canvases.push_back(draw(size));
    return canvases;
  };
  auto images = [](const std::vector<Canvas>& canvases) {
    std::vector<IcoImage> list;
    for (const Canvas& c : canvases) list.push_back({&c, IcoDepth::kStandard16});
    return list;
  };
  bool ok = add("app.ico", images(sizes(DrawAppIcon)));

  const struct {
    const char* name;
    TrayState state;
  } tray[] = {{"status_enabled.ico", TrayState::kEnabled},
              {"status_disabled.ico", TrayState::kDisabled},
              {"status_timed.ico", TrayState::kTimed}};
  for (const auto& t : tray) {
    const std::vector<Canvas> pictures =
        sizes([&t](int size) { return DrawTrayPicture(t.state, size); });
    ok = ok && add(t.name, images(pictures));
  }

  // The exe holds the frames packed, each as the bitmap after its file's
  // one-entry directory.
  static_assert(bw::kClockFrameBytes == 40 + kClockSize * (kClockSize * 3 + 4));
  constexpr std::size_t kDirectory = 6 + 16;
  std::vector<std::uint8_t> bitmaps;
  for (int k = 0; k < kClockFrameCount; ++k) {
    const Canvas frame = DrawClockFrame(k);
    ok = ok && add(ClockFileName(k), {{&frame, IcoDepth::kTrueColour}});
    ok = ok && files.back().bytes.size() == kDirectory + bw::kClockFrameBytes;
    if (ok)
      bitmaps.insert(bitmaps.end(), files.back().bytes.begin() + kDirectory,
                     files.back().bytes.end());
  }
  if (ok) files.push_back({kPackedClockFile, PackFrames(bitmaps)});
  if (!ok) files.clear();
  return files;
}

}  // namespace art
