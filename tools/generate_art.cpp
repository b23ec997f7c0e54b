// Writes the program's icons into a directory (normally src/win32/res), so the
// pictures are reviewed and versioned as code.
#include <cstdio>
#include <string>

#include "art_catalog.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
    return 2;
  }
  const std::vector<art::ArtFile> files = art::BuildArtFiles();
  if (files.empty()) {
    std::fprintf(stderr,
                 "a picture could not be encoded (colour outside the 16-colour palette?)\n");
    return 1;
  }
  for (const art::ArtFile& file : files) {
    const std::string path = std::string(argv[1]) + "/" + file.name;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    const bool written =
        std::fwrite(file.bytes.data(), 1, file.bytes.size(), out) == file.bytes.size();
    if (std::fclose(out) != 0 || !written) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  std::printf("wrote %zu files to %s\n", files.size(), argv[1]);
  return 0;
}
