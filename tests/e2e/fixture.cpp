#include "fixture.h"

#include <cstdlib>

#include "win32/timed_dialog_window.h"

namespace e2e {
namespace {

struct WindowSearch {
  DWORD pid;
  const wchar_t* windowClass;
  bool shownOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  WCHAR cls[256] = {0};
  GetClassNameW(window, cls, 256);
  if (pid == search.pid && (!search.shownOnly || IsWindowVisible(window)) &&
      (!search.windowClass || lstrcmpiW(cls, search.windowClass) == 0)) {
    search.found.push_back(window);
  }
  return TRUE;
}

void ClearSettings() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, W(bw::kRunKeyPath).c_str(), W(bw::kProgramName).c_str());
  RegDeleteTreeW(HKEY_CURRENT_USER, W(bw::kRegistryRoot).c_str());
}

// A keystroke as the keyboard delivers it to the focused window.
void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (3u << 30));
}

}  // namespace

// Z: is the Unix root.
std::wstring BlinkwardExePath() {
  const char* env = std::getenv("BLINKWARD_EXE");
  std::wstring path = W(env ? env : "");
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path.empty() || path[0] != L'\\' ? path : L"Z:" + path;
}

std::optional<std::wstring> ReadUserText(const std::wstring& key, const wchar_t* name) {
  WCHAR text[1024] = {0};
  DWORD size = sizeof text - sizeof(WCHAR);
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size))
    return {};
  return text;
}

bool WriteUserText(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
  return !RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::vector<HWND> FindWindows(DWORD pid, const wchar_t* windowClass, bool shownOnly) {
  WindowSearch search{pid, windowClass, shownOnly, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Process::Start(const std::wstring& exe) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  CloseHandle(handle);
  handle = info.hProcess;
  id = info.dwProcessId;
  return true;
}

// A display connection before anything switches the flag "as another program".
void BlinkwardTest::SetUpTestSuite() {
  CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
}

void BlinkwardTest::SetUp() {
  savedScreenSaver_ = ScreenSaverActive();
  ASSERT_TRUE(PumpUntil([] { return FindTaskbar() != nullptr; }, kStartMs))
      << "no taskbar: run the tests in the Wine session of scripts/test";
  ASSERT_EQ(nullptr, FindWindowW(W(bw::win32::kMainWindowClass).c_str(), nullptr))
      << "a Blinkward still runs";
  ASSERT_EQ(0u, Icons().size()) << "an icon of an earlier Blinkward is still shown";
  ClearSettings();
}

void BlinkwardTest::TearDown() {
  if (blinkward_.handle && blinkward_.Running() && main_) {
    const LRESULT answer = Send(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    Send(main_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_NE(0, answer) << "Blinkward refused to let the logon end";
    EXPECT_TRUE(PumpUntil([this] { return !blinkward_.Running(); }, kWaitMs))
        << "the end of the logon did not end Blinkward";
    EXPECT_TRUE(WaitForNoIcon()) << "the icon outlived the program";
  }
  Kill();
  SetScreenSaverActive(savedScreenSaver_);
  ClearSettings();
}

void BlinkwardTest::StartBlinkward(const std::wstring& exe, std::wstring tip) {
  ASSERT_FALSE(exe.empty()) << "BLINKWARD_EXE is not set (CTest sets it)";
  ASSERT_TRUE(blinkward_.Start(exe)) << "CreateProcess failed with error " << GetLastError();
  const std::wstring mainClass = W(bw::win32::kMainWindowClass);
  const std::wstring callbackClass = W(bw::win32::kTrayCallbackClass);
  main_ = callback_ = nullptr;
  ASSERT_TRUE(PumpUntil(
      [&] {
        main_ = FindWindowW(mainClass.c_str(), W(bw::kSettingsCaption).c_str());
        callback_ = FindWindowExW(main_, nullptr, callbackClass.c_str(), nullptr);
        return callback_ != nullptr || !blinkward_.Running();
      },
      kStartMs))
      << "no main window with its callback child";
  ASSERT_TRUE(blinkward_.Running()) << "Blinkward ended at start";
  if (tip.empty()) tip = TipFor(ScreenSaverActive());
  ASSERT_TRUE(WaitForTip(tip, kStartMs)) << Icons().size() << " icons, tip \"" << Tip() << "\"";
}

void BlinkwardTest::Kill() {
  if (!blinkward_.handle || !blinkward_.Running()) return;
  TerminateProcess(blinkward_.handle, 1);
  WaitForSingleObject(blinkward_.handle, kWaitMs);
  if (callback_) DeleteIcon();
}

// The right button as the shell reports it with the newer callbacks; then
// Down from no item selected, over the items but not the separators.
bool BlinkwardTest::Choose(bw::MenuCommand command) const {
  TrayEvent(WM_RBUTTONDOWN);
  TrayEvent(WM_RBUTTONUP);
  TrayEvent(WM_CONTEXTMENU);
  if (!PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs)) return false;
  for (const bw::MenuRow& row : bw::kPopupMenu) {
    if (row.command != bw::MenuCommand::None) PostKey(PopupMenu(), VK_DOWN);
    if (row.command == command) break;
  }
  PostKey(PopupMenu(), VK_RETURN);
  return PumpUntil([this] { return PopupMenu() == nullptr; }, kWaitMs);
}

HWND BlinkwardTest::OpenTimedDialog() const {
  const std::wstring dialogClass = W(bw::win32::kTimedDialogClass);
  std::vector<HWND> shown;
  if (Choose(bw::MenuCommand::TimedDisable)) {
    PumpUntil(
        [&] { return !(shown = FindWindows(blinkward_.id, dialogClass.c_str())).empty(); },
        kWaitMs);
  }
  return shown.empty() ? nullptr : shown[0];
}

}  // namespace e2e
