#include "fixture.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>

namespace e2e {
namespace {

constexpr UINT kIconId = 1, kIconCallbackMessage = 512;

struct WindowSearch {
  DWORD pid;  // 0: any
  const wchar_t *windowClass, *text;
  bool shownOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  WCHAR cls[256] = {0}, text[512] = {0};
  GetClassNameW(window, cls, 256);
  Send(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  if ((!search.pid || pid == search.pid) && (!search.shownOnly || IsWindowVisible(window)) &&
      (!search.windowClass || lstrcmpiW(cls, search.windowClass) == 0) &&
      (!search.text || lstrcmpW(text, search.text) == 0)) {
    search.found.push_back(window);
  }
  return TRUE;
}

void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (3u << 30));
}

void ClearSettings() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, L"Blinkward");
  RegDeleteKeyW(HKEY_CURRENT_USER, kMethodKeyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Blinkward");
}

}  // namespace

std::wstring BlinkwardExePath() {
  const char* env = std::getenv("BLINKWARD_EXE");
  std::wstring path(env, env ? env + std::strlen(env) : env);
  if (path.empty() || path[0] != L'/') return path;
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return L"Z:" + path;  // Wine's drive for the Unix root
}

bool ScreenSaverActive() {
  BOOL active = FALSE;
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

bool SetScreenSaverActive(bool active) {
  SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active, nullptr, 0);
  return ScreenSaverActive() == active;
}

bool WaitForScreenSaver(bool active, DWORD ms) {
  return PumpUntil([active] { return ScreenSaverActive() == active; }, ms);
}

std::optional<std::wstring> ReadUserText(const wchar_t* keyPath, const wchar_t* name) {
  WCHAR text[1024] = {0};
  DWORD size = sizeof text - sizeof(WCHAR);
  if (RegGetValueW(HKEY_CURRENT_USER, keyPath, name, RRF_RT_REG_SZ, nullptr, text, &size)) {
    return std::nullopt;
  }
  return text;
}

bool WriteUserText(const wchar_t* keyPath, const wchar_t* name, const std::wstring& text) {
  return RegSetKeyValueW(HKEY_CURRENT_USER, keyPath, name, REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

std::vector<HWND> Children(HWND parent, const wchar_t* windowClass, const wchar_t* text) {
  WindowSearch search{0, windowClass, text, false, {}};
  if (parent) EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid, const wchar_t* text, bool shownOnly) {
  WindowSearch search{pid, nullptr, text, shownOnly, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Process::Start(const std::wstring& exe) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  CloseHandle(handle);
  handle = info.hProcess;
  id = info.dwProcessId;
  return true;
}

void BlinkwardTest::SetUp() {
  savedScreenSaver_ = ScreenSaverActive();
  ASSERT_TRUE(PumpUntil([] { return FindTaskbar() != nullptr; }, kStartMs))
      << "no taskbar: run the tests in the Wine session of scripts/test";
  ASSERT_EQ(nullptr, FindWindowW(L"BlinkwardSettings", nullptr)) << "a Blinkward still runs";
  ASSERT_EQ(0u, Icons().size()) << "an icon of an earlier Blinkward is still shown";
  ClearSettings();
}

void BlinkwardTest::TearDown() {
  if (blinkward_.handle && blinkward_.Running() && main_) {
    SendEndOfLogon();
    blinkward_.WaitForExit(kWaitMs);
  }
  if (blinkward_.handle) Kill();
  SetScreenSaverActive(savedScreenSaver_);
  ClearSettings();
}

void BlinkwardTest::StartBlinkward(const std::wstring& exe) {
  ASSERT_FALSE(exe.empty()) << "BLINKWARD_EXE is not set (CTest sets it)";
  ASSERT_TRUE(blinkward_.Start(exe)) << "CreateProcess failed with error " << GetLastError();
  main_ = callback_ = nullptr;
  ASSERT_TRUE(PumpUntil(
      [this] {
        const std::vector<HWND> callbacks =
            Children(FindWindowW(L"BlinkwardSettings", L"Settings"), L"BlinkwardStatusOutput");
        callback_ = callbacks.empty() ? nullptr : callbacks[0];
        main_ = GetParent(callback_);
        return callback_ != nullptr || !blinkward_.Running();
      },
      kStartMs))
      << "no window BlinkwardSettings \"Settings\" with a BlinkwardStatusOutput child";
  ASSERT_TRUE(blinkward_.Running()) << "Blinkward ended at start";
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kStartMs))
      << Icons().size() << " icons, tip \"" << Tip() << "\"";
}

void BlinkwardTest::Kill() {
  if (!blinkward_.Running()) return;
  TerminateProcess(blinkward_.handle, 1);
  WaitForSingleObject(blinkward_.handle, kWaitMs);
  if (callback_) DeleteIcon();
}

std::wstring BlinkwardTest::Tip() const {
  const std::vector<TrayIcon> icons = Icons();
  return icons.size() == 1 ? icons[0].tip : std::wstring();
}

bool BlinkwardTest::WaitForTip(const std::wstring& tip, DWORD ms) const {
  return PumpUntil([&] { return Tip() == tip; }, ms);
}

bool BlinkwardTest::WaitForNoIcon() const {
  return PumpUntil([this] { return Icons().empty(); }, kWaitMs);
}

LRESULT BlinkwardTest::SendEndOfLogon() const {
  const LRESULT answer = Send(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  Send(main_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  return answer;
}

// Sent without waiting, as the shell does; lParam is the mouse message.
void BlinkwardTest::TrayEvent(UINT mouseMessage) const {
  SendNotifyMessageW(callback_, kIconCallbackMessage, kIconId, mouseMessage);
}

void BlinkwardTest::Click() const {
  TrayEvent(WM_LBUTTONDOWN);
  TrayEvent(WM_LBUTTONUP);
}

void BlinkwardTest::SecondClick() const {
  TrayEvent(WM_LBUTTONDBLCLK);
  TrayEvent(WM_LBUTTONUP);
}

bool BlinkwardTest::DeleteIcon() const {
  NOTIFYICONDATAW data{NOTIFYICONDATAW_V1_SIZE, callback_, kIconId};
  return Shell_NotifyIconW(NIM_DELETE, &data);
}

HWND BlinkwardTest::PopupMenu() const {
  for (HWND window : TopLevelWindowsOf(blinkward_.id)) {
    WCHAR cls[16] = {0};
    GetClassNameW(window, cls, 16);
    if (lstrcmpW(cls, L"#32768") == 0) return window;
  }
  return nullptr;
}

bool BlinkwardTest::Choose(MenuChoice item) const {
  TrayEvent(WM_RBUTTONDOWN);
  TrayEvent(WM_RBUTTONUP);
  if (!PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs)) return false;
  for (int i = 0; i < static_cast<int>(item); ++i) PostKey(PopupMenu(), VK_DOWN);
  PostKey(PopupMenu(), VK_RETURN);
  return PumpUntil([this] { return PopupMenu() == nullptr; }, kWaitMs);
}

HWND BlinkwardTest::Control(const wchar_t* windowClass, const wchar_t* text) const {
  const std::vector<HWND> found = Children(main_, windowClass, text);
  return found.empty() ? nullptr : found[0];
}

bool BlinkwardTest::ShowSettings() const {
  return Choose(MenuChoice::ConfigureProgram) &&
         PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kWaitMs);
}

HWND BlinkwardTest::OpenTimedDialog() const {
  std::vector<HWND> shown;
  if (Choose(MenuChoice::TimedDisable)) {
    PumpUntil([&] { return !(shown = TopLevelWindowsOf(blinkward_.id, L"Timed")).empty(); },
              kWaitMs);
  }
  return shown.empty() ? nullptr : shown[0];
}

// The hours field comes first.
void BlinkwardTest::PressOk(HWND dialog, const wchar_t* hours, const wchar_t* minutes) {
  const std::vector<HWND> fields = Children(dialog, L"Edit");
  ASSERT_EQ(fields.size(), 2u);
  Send(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hours));
  Send(fields[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(minutes));
  Send(Children(dialog, L"Button", L"OK").at(0), BM_CLICK);
}

}  // namespace e2e

// CTest runs each test in its own process (cmake/windows-tests.cmake).
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // A display connection, before any test switches the flag "as another program".
  if (!GTEST_FLAG_GET(list_tests)) {
    CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  }
  return RUN_ALL_TESTS();
}
