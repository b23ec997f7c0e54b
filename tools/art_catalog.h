// Every picture file the program is built with, by name, and how to make it.
// The generator writes them all; the tests compare them with the committed files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct ArtFile {
  std::string name;  // file name inside src/win32/res
  std::vector<std::uint8_t> bytes;
};

// All files in a fixed order: app.ico, the three status pictures, then
// clock00.ico to clock23.ico. Empty if any picture failed to encode.
std::vector<ArtFile> BuildArtFiles();

// "clock07.ico" for k = 7.
std::string ClockFileName(int k);

}  // namespace art
