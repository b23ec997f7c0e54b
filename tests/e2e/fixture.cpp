#include "fixture.h"

namespace e2e {
namespace {

struct WindowSearch {
  DWORD pid;
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

void ClearSettings() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, L"Blinkward");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Blinkward");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Policies\\Microsoft\\Windows\\Control Panel");
}

}  // namespace

std::vector<HWND> FindWindows(HWND parent, DWORD pid, const wchar_t* windowClass,
                              const wchar_t* text, bool shownOnly) {
  WindowSearch search{pid, windowClass, text, shownOnly, {}};
  parent ? EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search))
         : EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A display connection before anything switches the flag "as another program".
void BlinkwardTest::SetUpTestSuite() {
  CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
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
    EXPECT_NE(0, SendEndOfLogon()) << "Blinkward refused to let the logon end";
    EXPECT_TRUE(blinkward_.WaitForExit(kWaitMs)) << "the end of the logon did not end Blinkward";
    EXPECT_TRUE(WaitForNoIcon()) << "the icon outlived the program";
  }
  Kill();
  SetScreenSaverActive(savedScreenSaver_);
  ClearSettings();
}

void BlinkwardTest::StartBlinkward(const std::wstring& exe, std::wstring tip) {
  ASSERT_FALSE(exe.empty()) << "BLINKWARD_EXE is not set (CTest sets it)";
  ASSERT_TRUE(blinkward_.Start(exe)) << "CreateProcess failed with error " << GetLastError();
  main_ = callback_ = nullptr;
  ASSERT_TRUE(PumpUntil(
      [this] {
        main_ = FindWindowW(L"BlinkwardSettings", L"Settings");
        callback_ = FindWindowIn(main_, L"BlinkwardStatusOutput");
        return callback_ != nullptr || !blinkward_.Running();
      },
      kStartMs))
      << "no window BlinkwardSettings \"Settings\" with a BlinkwardStatusOutput child";
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

// The right button as the shell reports it with the newer callbacks.
bool BlinkwardTest::Choose(MenuChoice item) const {
  TrayEvent(WM_RBUTTONDOWN);
  TrayEvent(WM_RBUTTONUP);
  TrayEvent(WM_CONTEXTMENU);
  if (!PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs)) return false;
  for (int i = 0; i < static_cast<int>(item); ++i) PostKey(PopupMenu(), VK_DOWN);
  PostKey(PopupMenu(), VK_RETURN);
  return PumpUntil([this] { return PopupMenu() == nullptr; }, kWaitMs);
}

HWND BlinkwardTest::OpenTimedDialog() const {
  std::vector<HWND> shown;
  if (Choose(kTimedDisable)) {
    PumpUntil(
        [&] { return !(shown = FindWindows(nullptr, blinkward_.id, nullptr, L"Timed")).empty(); },
        kWaitMs);
  }
  return shown.empty() ? nullptr : shown[0];
}

// The hours field comes first.
void BlinkwardTest::PressOk(HWND dialog, const wchar_t* hours, const wchar_t* minutes) {
  const std::vector<HWND> fields = FindWindows(dialog, 0, L"Edit");
  ASSERT_EQ(fields.size(), 2u);
  Send(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hours));
  Send(fields[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(minutes));
  Send(FindWindowIn(dialog, L"Button", L"OK"), BM_CLICK);
}

}  // namespace e2e
