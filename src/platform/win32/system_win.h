// SystemPort on user32 and kernel32.
#pragma once

#include "platform/ports.h"

namespace bw::win32 {

class SystemWin final : public SystemPort {
 public:
  std::uint32_t QueryScreenSaveActive() override;
  bool SetScreenSaveActive(std::uint32_t uiParam, std::uint32_t fWinIni) override;
  void SendSysCommandToDesktop(std::uint32_t wParam) override;
  void Launch(const std::string& commandLine, int showState) override;
  std::string SystemDirectory() override;
  std::string ExecutablePath() override;
};

}  // namespace bw::win32
