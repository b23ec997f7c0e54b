// Runs the program's two periodic handlers natively, many times over, so that
// a tool can count what one tick costs: the status poller with no change and
// the countdown. The platform here is the smallest that satisfies the ports:
// it counts state queries and shell calls and records nothing, so what the
// measurement sees is the logic's own work.
//
//   logic_ticks poller N | countdown N
//
// prints the ticks, and per tick the heap allocations, state queries, state
// switches and shell calls. Run it under callgrind with two values of N: the
// difference of the instruction totals, divided by the difference of N, is the
// cost of one tick without the start-up.
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string_view>

#include "platform/forms.h"
#include "screensaver/screen_saver.h"
#include "timed/timed_disable.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"

namespace {

long allocations = 0;  // every operator new since the last reset

struct Counts {
  long queries = 0;
  long switches = 0;
  long shellCalls = 0;
};
Counts counts;

class System : public bw::SystemPort {
 public:
  std::uint32_t QueryScreenSaveActive() override {
    ++counts.queries;
    return active_;
  }
  bool SetScreenSaveActive(std::uint32_t uiParam, std::uint32_t) override {
    ++counts.switches;
    active_ = uiParam != 0 ? 1 : 0;
    return true;
  }
  void SendSysCommandToDesktop(std::uint32_t) override {}
  void Launch(const std::string&, int) override {}
  std::string SystemDirectory() override { return {}; }
  std::string ExecutablePath() override { return {}; }

 private:
  std::uint32_t active_ = 1;
};

class Registry : public bw::RegistryPort {
 public:
  static constexpr long kFileNotFound = 2;
  long OpenKey(bw::Handle, const std::string&, std::uint32_t, bw::Handle*) override {
    return kFileNotFound;
  }
  long CreateKey(bw::Handle, const std::string&, std::uint32_t, bw::Handle*) override {
    return kFileNotFound;
  }
  long QueryValue(bw::Handle, const std::string&, std::uint32_t*, std::uint8_t*,
                  std::uint32_t*) override {
    return kFileNotFound;
  }
  long SetValue(bw::Handle, const std::string&, std::uint32_t, std::string_view) override {
    return kFileNotFound;
  }
  long DeleteValue(bw::Handle, const std::string&) override { return kFileNotFound; }
  long CloseKey(bw::Handle) override { return 0; }
};

class Shell : public bw::ShellPort {
 public:
  bool NotifyIcon(std::uint32_t, const bw::TrayIconData&) override {
    ++counts.shellCalls;
    return true;
  }
};

class Forms : public bw::FormsPort {
 public:
  bw::Handle StatusOutputWindow() override { return 0xB0; }
  bw::Handle MainWindow() override { return 0xA0; }
  bw::Handle PictureIcon(bw::TrayPicture picture) override {
    return 0x1000 + static_cast<int>(picture);
  }
  void ShowMainWindow() override {}
  void HideMainWindow() override {}
  void DestroyMainWindow() override {}
  void SetTimerEnabled(bw::TimerId, bool) override {}
  void SetMenuItemEnabled(bw::MenuItem, bool) override {}
  void SetMenuItemCaption(bw::MenuItem, const std::string&) override {}
  void BringToForeground(bw::Handle) override {}
  int TrackPopupMenu(std::uint32_t) override { return 0; }
  int CheckValue(bw::SettingsControl) override { return 0; }
  void SetCheckValue(bw::SettingsControl, int) override {}
  int ListIndex(bw::SettingsControl) override { return 0; }
  void SetListIndex(bw::SettingsControl, int) override {}
  std::string Caption(bw::SettingsControl) override { return {}; }
  void SetCaption(bw::SettingsControl, const std::string&) override {}
};

void Report(const char* what, long ticks) {
  const double n = ticks > 0 ? static_cast<double>(ticks) : 1.0;
  std::printf(
      "%s ticks=%ld allocations_per_tick=%g queries_per_tick=%g switches_per_tick=%g "
      "shell_calls_per_tick=%g\n",
      what, ticks, allocations / n, counts.queries / n, counts.switches / n, counts.shellCalls / n);
}

void ResetCounts() {
  counts = {};
  allocations = 0;
}

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  std::abort();  // built without exceptions, as the program is
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++allocations;
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: logic_ticks poller|countdown N\n");
    return 2;
  }
  const std::string_view mode = argv[1];
  const long ticks = std::atol(argv[2]);

  System system;
  Registry registry;
  Shell shell;
  Forms forms;
  bw::ScreenSaver screenSaver(system, registry);
  bw::TrayIcon trayIcon(shell, forms);
  bw::StatusPoller poller(screenSaver, trayIcon);
  bw::Timer tmrSSCheck(forms, bw::TimerId::SSCheck);
  bw::Timer tmrSSTimedDisable(forms, bw::TimerId::SSTimedDisable);
  bw::TimedDisable timed(tmrSSCheck, tmrSSTimedDisable, screenSaver, trayIcon, poller, forms);

  // As at start-up: the icon is added and the first tick draws the true state.
  trayIcon.AddTrayIcon();
  poller.CachedEnabled = !screenSaver.GetScreenSaverState();
  tmrSSCheck.SetEnabled(true);
  poller.Tick();

  if (mode == "poller") {
    ResetCounts();
    for (long i = 0; i < ticks; ++i) poller.Tick();
    Report("poller", ticks);
    return 0;
  }
  if (mode == "countdown") {
    // A span long enough that no run reaches its end: every tick counts down
    // through "H hours and M minutes" texts, the common case.
    timed.SecondsLeft = static_cast<std::int32_t>(ticks) + 3 * 3600;
    timed.BeginTimedDisable();
    ResetCounts();
    for (long i = 0; i < ticks; ++i) timed.Tick();
    Report("countdown", ticks);
    return 0;
  }
  std::fprintf(stderr, "logic_ticks: unknown mode %s\n", argv[1]);
  return 2;
}
