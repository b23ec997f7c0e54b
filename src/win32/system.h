// The system's screen saver, clock, logon and launching, on user32, kernel32
// and advapi32.
#pragma once

#include "ports/clock.h"
#include "ports/launcher.h"
#include "ports/screen_saver_port.h"
#include "ports/session.h"
#include "win32/diagnostics.h"

namespace bw::win32 {

class System final : public ScreenSaverPort,
                     public ClockPort,
                     public SessionPort,
                     public LauncherPort {
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
  LocalTime LocalNow() override;
  std::int64_t MsUntilLocal(int days, int minuteOfDay) override;
  LogonNames Logon() override;

 private:
  // The countdown switches the screen saver off every second.
  Refusal switchRefusal_;
};

}  // namespace bw::win32
