// A path in double quotes, as a command line or the Run key takes it: a path
// with spaces then cannot start another program.
#pragma once

#include <string>
#include <string_view>

namespace bw {

inline std::string Quoted(std::string_view path) {
  std::string quoted = "\"";
  quoted += path;
  quoted += '"';
  return quoted;
}

}  // namespace bw
