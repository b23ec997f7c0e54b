// SystemPort on user32 and kernel32.
#pragma once

#include "platform/ports.h"

namespace bw::win32 {

class SystemWin final : public SystemPort {
 public:
  bool ScreenSaverActive() override;
  bool SetScreenSaverActive(bool active, bool persist) override;
  void StartScreenSaver() override;
  bool Launch(const std::string& commandLine, const std::string& folder) override;
  std::string SystemDirectory() override;
  std::string NativeSystemDirectory() override;
  bool FileExists(const std::string& path) override;
  std::string ExecutablePath() override;
  std::uint32_t TickCount() override;
};

}  // namespace bw::win32
