// The hidden window that hosts the tray icon: it receives the shell's
// callbacks, and opens the icon's popup menu.
#pragma once

#include <cstdint>
#include <span>

#include "ports/menu.h"

namespace bw {

class TrayWindowPort {
 public:
  virtual ~TrayWindowPort() = default;
  // Opens the popup menu at the pointer; the chosen item's command, 0 for none.
  virtual int TrackPopupMenu(std::span<const MenuItem> items) = 0;
};

class TrayEvents {
 public:
  virtual ~TrayEvents() = default;
  // The shell's callback for the icon: the mouse or keyboard message it
  // carries, and when the shell sent it (the system's clock, milliseconds).
  virtual void OnTrayMessage(int message, std::uint32_t sentAt) = 0;
};

}  // namespace bw
