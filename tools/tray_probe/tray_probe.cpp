// Reads Wine's notification area from the command line, for scripts:
//   tray_probe list                   every icon shown: "left top right bottom tip"
//   tray_probe wait-taskbar [ms]      until the taskbar exists
//   tray_probe wait-blinkward [ms]    until Blinkward's icon shows the screen-saver
//                                     state; prints that icon as `list` does
//   tray_probe c                      as a screen saver asked for its settings:
//                                     notes its own path in HKCU\Software\BlinkwardE2E
// Exit status 0 when found, 1 on timeout, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tray.h"

namespace {

constexpr DWORD kDefaultTimeoutMs = 30000;

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) {
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  }
  return out;
}

void Print(const e2e::TrayIcon& icon) {
  const RECT& r = icon.screenRect;
  std::printf("%ld %ld %ld %ld %s\n", r.left, r.top, r.right, r.bottom, Utf8(icon.tip).c_str());
}

bool ShowsState(const e2e::TrayIcon& icon) { return icon.tip.rfind(L"Screen Saver is", 0) == 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tray_probe list | wait-taskbar [ms] | wait-blinkward [ms]\n");
    return 2;
  }
  const std::string command = argv[1];
  const DWORD timeout = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : kDefaultTimeoutMs;

  if (command == "c") {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\BlinkwardE2E", L"Configured", REG_SZ,
                           path, static_cast<DWORD>((wcslen(path) + 1) * sizeof(wchar_t)));
  }
  if (command == "list") {
    for (const e2e::TrayIcon& icon : e2e::VisibleTrayIcons()) Print(icon);
    return 0;
  }
  if (command == "wait-taskbar") {
    return e2e::PumpUntil([] { return e2e::FindTaskbar() != nullptr; }, timeout) ? 0 : 1;
  }
  if (command == "wait-blinkward") {
    e2e::TrayIcon found;
    const bool shown = e2e::PumpUntil(
        [&] {
          for (const e2e::TrayIcon& icon : e2e::BlinkwardTrayIcons()) {
            if (ShowsState(icon)) {
              found = icon;
              return true;
            }
          }
          return false;
        },
        timeout);
    if (shown) Print(found);
    return shown ? 0 : 1;
  }
  std::fprintf(stderr, "tray_probe: unknown command %s\n", command.c_str());
  return 2;
}
