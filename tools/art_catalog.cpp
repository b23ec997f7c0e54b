#include "art_catalog.h"

#include <optional>

#include "ico_file.h"
#include "icons.h"
#include "stopwatch.h"

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

  // The large image first: it is the one the shell and the window caption prefer to scale from.
  const Canvas app32 = DrawAppIcon(32), app16 = DrawAppIcon(16);
  bool ok = add("app.ico", {{&app32, IcoDepth::kStandard16}, {&app16, IcoDepth::kStandard16}});

  const struct {
    const char* name;
    TrayState state;
  } tray[] = {{"status_enabled.ico", TrayState::kEnabled},
              {"status_disabled.ico", TrayState::kDisabled},
              {"status_timed.ico", TrayState::kTimed}};
  for (const auto& t : tray) {
    const Canvas picture = DrawTrayPicture(t.state);
    ok = ok && add(t.name, {{&picture, IcoDepth::kStandard16}});
  }

  for (int k = 0; k < kClockFrameCount; ++k) {
    const Canvas frame = DrawClockFrame(k);
    ok = ok && add(ClockFileName(k), {{&frame, IcoDepth::kTrueColour}});
  }
  if (!ok) files.clear();
  return files;
}

}  // namespace art
