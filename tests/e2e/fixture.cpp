#include "fixture.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>

namespace e2e {
namespace {

constexpr wchar_t kMainClass[] = L"BlinkwardSettings";
constexpr wchar_t kCallbackClass[] = L"BlinkwardStatusOutput";
constexpr UINT kIconId = 1;
constexpr UINT kIconCallbackMessage = 512;  // the message Blinkward registered for its icon

struct WindowSearch {
  DWORD pid;  // 0: any
  const wchar_t* windowClass;
  const wchar_t* text;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  WCHAR cls[256] = {0};
  GetClassNameW(window, cls, 256);
  if ((!search.pid || pid == search.pid) &&
      (!search.windowClass || lstrcmpiW(cls, search.windowClass) == 0) &&
      (!search.visibleOnly || IsWindowVisible(window)) &&
      (!search.text || TextOf(window) == search.text)) {
    search.found.push_back(window);
  }
  return TRUE;
}

// The first descendant of `parent` with that class (and text), or null.
HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr) {
  WindowSearch search{0, windowClass, text, false, {}};
  if (parent) EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? nullptr : search.found[0];
}

void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

void ClearSettings() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, L"Blinkward");
  RegDeleteKeyW(HKEY_CURRENT_USER, kMethodKeyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Blinkward");
}

}  // namespace

std::wstring TipFor(bool screenSaverActive) {
  return screenSaverActive ? kEnabledTip : kDisabledTip;
}

std::wstring CountdownTip(const std::wstring& secondLine) {
  return L"Screen Saver will be DISABLED\n" + secondLine;
}

std::wstring BlinkwardExePath() {
  const char* env = std::getenv("BLINKWARD_EXE");
  const std::string path = env ? env : "";
  std::wstring wide(path.begin(), path.end());
  if (wide.empty() || wide[0] != L'/') return wide;
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + wide;  // Wine's drive for the Unix root
}

void ConnectToDisplay() {
  CreateWindowExW(0, L"STATIC", L"e2e display connection", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                  GetModuleHandleW(nullptr), nullptr);
}

bool ScreenSaverActive() {
  BOOL active = FALSE;
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

bool SetScreenSaverActive(bool active) {
  SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
  return ScreenSaverActive() == active;
}

std::optional<std::wstring> ReadUserText(const wchar_t* keyPath, const wchar_t* name) {
  WCHAR text[1024] = {0};
  DWORD type = 0, size = sizeof text - sizeof(WCHAR);
  if (RegGetValueW(HKEY_CURRENT_USER, keyPath, name, RRF_RT_ANY | RRF_NOEXPAND, &type, text,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return type == REG_SZ ? std::wstring(text) : L"<not REG_SZ>";
}

bool WriteUserText(const wchar_t* keyPath, const wchar_t* name, const std::wstring& text) {
  return RegSetKeyValueW(HKEY_CURRENT_USER, keyPath, name, REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kExitMs, &result);
  return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND window) {
  WCHAR text[512] = {0};
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, nullptr);
  return text;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid, const wchar_t* windowClass, const wchar_t* text,
                                    bool shownOnly) {
  WindowSearch search{pid, windowClass, text, shownOnly, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Process::~Process() {
  if (handle_) CloseHandle(handle_);
}

bool Process::Start(const std::wstring& exe) {
  if (handle_) CloseHandle(handle_);
  handle_ = nullptr;
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  handle_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool Process::running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(DWORD ms) const {
  return handle_ && PumpUntil([this] { return !running(); }, ms);
}

void Process::Kill() const {
  if (!running()) return;
  TerminateProcess(handle_, 1);
  WaitForSingleObject(handle_, kExitMs);
}

void BlinkwardTest::SetUp() {
  savedScreenSaver_ = ScreenSaverActive();
  ASSERT_TRUE(PumpUntil([] { return FindTaskbar() != nullptr; }, kStartMs))
      << "no taskbar: run the tests in the Wine session of scripts/test";
  ASSERT_EQ(nullptr, FindWindowW(kMainClass, nullptr))
      << "a Blinkward from an earlier test still runs";
  ASSERT_EQ(0u, Icons().size()) << "an icon of an earlier Blinkward is still shown";
  ClearSettings();
}

void BlinkwardTest::TearDown() {
  if (blinkward_.running() && main_) {
    SendEndOfLogon();
    blinkward_.WaitForExit(kExitMs);
  }
  if (blinkward_.running()) {
    blinkward_.Kill();
    if (callback_) DeleteIcon();
  }
  SetScreenSaverActive(savedScreenSaver_);
  ClearSettings();
}

void BlinkwardTest::StartBlinkward(const std::wstring& exe) {
  ASSERT_FALSE(exe.empty()) << "BLINKWARD_EXE is not set (CTest sets it)";
  ASSERT_TRUE(blinkward_.Start(exe)) << "CreateProcess failed with error " << GetLastError();
  main_ = callback_ = nullptr;
  ASSERT_TRUE(PumpUntil(
      [this] {
        const std::vector<HWND> mains = TopLevelWindowsOf(blinkward_.id(), kMainClass);
        main_ = mains.empty() ? nullptr : mains[0];
        callback_ = Child(main_, kCallbackClass);
        return callback_ != nullptr || !blinkward_.running();
      },
      kStartMs))
      << "no window of class BlinkwardSettings with a BlinkwardStatusOutput child";
  ASSERT_TRUE(blinkward_.running()) << "Blinkward ended at start";
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kStartMs))
      << Icons().size() << " icons, tip \"" << Tip() << "\"";
}

std::wstring BlinkwardTest::Tip() const {
  const std::vector<TrayIcon> icons = Icons();
  return icons.size() == 1 ? icons[0].tip : std::wstring();
}

bool BlinkwardTest::WaitForTip(const std::wstring& tip, DWORD ms) const {
  return PumpUntil([&] { return Tip() == tip; }, ms);
}

bool BlinkwardTest::WaitForScreenSaver(bool active, DWORD ms) {
  return PumpUntil([active] { return ScreenSaverActive() == active; }, ms);
}

LRESULT BlinkwardTest::SendEndOfLogon() const {
  const LRESULT answer = Send(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  Send(main_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  return answer;
}

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
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = callback_;
  data.uID = kIconId;
  return Shell_NotifyIconW(NIM_DELETE, &data);
}

HWND BlinkwardTest::PopupMenu() const {
  const std::vector<HWND> menus = TopLevelWindowsOf(blinkward_.id(), L"#32768", nullptr, true);
  return menus.empty() ? nullptr : menus[0];
}

bool BlinkwardTest::OpenPopupMenu() const {
  TrayEvent(WM_RBUTTONDOWN);
  TrayEvent(WM_RBUTTONUP);
  return PumpUntil([this] { return PopupMenu() != nullptr; }, kTipMs);
}

bool BlinkwardTest::ChooseFromOpenMenu(MenuChoice item) const {
  const HWND menu = PopupMenu();
  if (!menu) return false;
  for (int i = 0; i < static_cast<int>(item); ++i) PostKey(menu, VK_DOWN);
  PostKey(menu, VK_RETURN);
  return PumpUntil([this] { return PopupMenu() == nullptr; }, kTipMs);
}

bool BlinkwardTest::DismissPopupMenu() const {
  if (const HWND menu = PopupMenu()) PostKey(menu, VK_ESCAPE);
  return PumpUntil([this] { return PopupMenu() == nullptr; }, kTipMs);
}

bool BlinkwardTest::ShowSettings() const {
  return Choose(MenuChoice::ConfigureProgram) &&
         PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kTipMs);
}

HWND BlinkwardTest::WindowsStartBox() const {
  return Child(main_, L"Button", L"Start automatically with Windows");
}

HWND BlinkwardTest::MethodBox() const { return Child(main_, WC_COMBOBOXW); }

// The settings window's controls exist from its first showing on.
int BlinkwardTest::SelectedMethod() const {
  if (!MethodBox() && !ShowSettings()) return -2;
  return static_cast<int>(Send(MethodBox(), CB_GETCURSEL));
}

bool BlinkwardTest::SelectMethodWithKeys(int method) const {
  // A closed drop-down list moves its selection by one item per arrow key.
  for (int step = 0; step < 4 && SelectedMethod() != method; ++step) {
    Send(MethodBox(), WM_KEYDOWN, SelectedMethod() < method ? VK_DOWN : VK_UP, 1);
  }
  return SelectedMethod() == method;
}

TimedDialog BlinkwardTest::FindTimedDialog() const {
  TimedDialog dialog;
  const std::vector<HWND> shown = TopLevelWindowsOf(blinkward_.id(), nullptr, L"Timed", true);
  if (shown.empty()) return dialog;
  dialog.window = shown[0];
  WindowSearch upDowns{0, UPDOWN_CLASSW, nullptr, false, {}};
  EnumChildWindows(dialog.window, Collect, reinterpret_cast<LPARAM>(&upDowns));
  for (HWND upDown : upDowns.found) {
    const auto buddy = reinterpret_cast<HWND>(Send(upDown, UDM_GETBUDDY));
    (LOWORD(Send(upDown, UDM_GETRANGE)) == 15 ? dialog.hours : dialog.minutes) = buddy;
  }
  dialog.ok = Child(dialog.window, L"Button", L"OK");
  return dialog;
}

TimedDialog BlinkwardTest::OpenTimedDialog() const {
  TimedDialog dialog;
  if (Choose(MenuChoice::TimedDisable)) {
    PumpUntil([&] { return (dialog = FindTimedDialog()).window != nullptr; }, kTipMs);
  }
  return dialog;
}

void BlinkwardTest::EnterSpanAndPressOk(const TimedDialog& dialog, const wchar_t* hours,
                                        const wchar_t* minutes) const {
  Send(dialog.hours, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hours));
  Send(dialog.minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(minutes));
  Send(dialog.ok, BM_CLICK);
}

}  // namespace e2e
