#include "app/version.h"

namespace bw {

std::string TitleWithVersion(std::string_view caption, int major, int minor) {
  std::string title(caption);
  title += std::to_string(major);
  title += '.';
  if (minor >= 0 && minor < 10) title += '0';
  title += std::to_string(minor);
  return title;
}

}  // namespace bw
