// ShellPort on shell32: the notification-area icon.
#pragma once

#include "platform/ports.h"

namespace bw::win32 {

class ShellWin final : public ShellPort {
 public:
  bool NotifyIcon(std::uint32_t message, const TrayIconData& record) override;
};

}  // namespace bw::win32
