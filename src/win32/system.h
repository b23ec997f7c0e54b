// SystemPort on user32 and kernel32.
#pragma once

#include "ports/system.h"

namespace bw::win32 {

class System final : public SystemPort {
 public:
  bool ScreenSaverActive() override;
  bool SetScreenSaverActive(bool active) override;
  void StartScreenSaver() override;
  bool Launch(const std::string& commandLine, const std::string& folder) override;
  std::string SystemDirectory() override;
  std::string NativeSystemDirectory() override;
  bool FileExists(const std::string& path) override;
  std::string ExpandVariables(const std::string& text) override;
  std::string ExecutablePath() override;
  std::uint32_t TickCount() override;
  LogonNames Logon() override;
};

}  // namespace bw::win32
