// A line of a menu the program opens, as it shows while open.
#pragma once

namespace bw {

struct MenuItem {
  int command;          // reported when chosen; 0 for a separator line
  const char* caption;  // null for a separator line
  bool enabled;
};

}  // namespace bw
