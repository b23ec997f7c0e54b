#include "user_fixture.h"

#include <commctrl.h>

#include "pump.h"

namespace e2e {
namespace {

constexpr UINT kIconCallbackMessage = 512;  // the message Blinkward registered for its icon
constexpr DWORD kSendMs = 5000;             // for a message sent to Blinkward's windows

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendMs, &result);
  return static_cast<LRESULT>(result);
}

void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

struct ChildSearch {
  const wchar_t* windowClass;
  const wchar_t* text;  // null: any
  HWND found;
};

BOOL CALLBACK FindChild(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<ChildSearch*>(param);
  if (lstrcmpiW(ClassOf(window).c_str(), search.windowClass) != 0) return TRUE;
  if (search.text && TextOf(window) != search.text) return TRUE;
  search.found = window;
  return FALSE;
}

HWND FindChildWithText(HWND parent, const wchar_t* windowClass, const wchar_t* text) {
  ChildSearch search{windowClass, text, nullptr};
  EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectUpDown(HWND window, LPARAM param) {
  if (lstrcmpiW(ClassOf(window).c_str(), UPDOWN_CLASSW) == 0) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  }
  return TRUE;
}

bool IsBlinkwardTip(const std::wstring& tip) {
  return tip == kStartupTip || tip.rfind(L"Screen Saver ", 0) == 0;
}

void ClearSettings() {
  DeleteUserValue(kRunKeyPath, kRunValueName);
  RegDeleteKeyW(HKEY_CURRENT_USER, kMethodKeyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Blinkward");
}

}  // namespace

std::wstring RegistryValue::Text() const {
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

std::optional<RegistryValue> ReadUserValue(const wchar_t* keyPath, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RegistryValue value;
  DWORD size = 0;
  LONG result = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    value.data.resize(size);
    result = RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &size);
    value.data.resize(size);
  }
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  return value;
}

bool WriteUserValue(const wchar_t* keyPath, const wchar_t* name, const RegistryValue& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result = RegSetValueExW(key, name, 0, value.type, value.data.data(),
                                     static_cast<DWORD>(value.data.size()));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

RegistryValue TextValue(const std::wstring& text) {
  RegistryValue value;
  value.type = REG_SZ;
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  value.data.assign(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
  return value;
}

void DeleteUserValue(const wchar_t* keyPath, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, name);
  RegCloseKey(key);
}

bool MouseClickAt(const TrayIcon& icon, DWORD press, DWORD release) {
  const int x = (icon.screenRect.left + icon.screenRect.right) / 2;
  const int y = (icon.screenRect.top + icon.screenRect.bottom) / 2;
  if (!SetCursorPos(x, y)) return false;
  PumpFor(50);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = press;
  inputs[1].mi.dwFlags = release;
  const bool sent = SendInput(2, inputs, sizeof(INPUT)) == 2;
  PumpFor(50);
  SetCursorPos(0, 0);
  return sent;
}

std::wstring CountdownTip(const std::wstring& secondLine) {
  return L"Screen Saver will be DISABLED\n" + secondLine;
}

void UserTest::SetUp() {
  ASSERT_NO_FATAL_FAILURE(BlinkwardTest::SetUp());
  ClearSettings();
}

void UserTest::TearDown() {
  BlinkwardTest::TearDown();
  ClearSettings();
}

void UserTest::TrayEvent(UINT mouseMessage) const {
  SendNotifyMessageW(callback_, kIconCallbackMessage, kIconId, mouseMessage);
}

void UserTest::Click() const {
  TrayEvent(WM_LBUTTONDOWN);
  TrayEvent(WM_LBUTTONUP);
}

void UserTest::SecondClick() const {
  TrayEvent(WM_LBUTTONDBLCLK);
  TrayEvent(WM_LBUTTONUP);
}

HWND UserTest::PopupMenu() const {
  for (HWND window : TopLevelWindowsOf(blinkward_.id())) {
    if (ClassOf(window) == L"#32768" && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

bool UserTest::OpenPopupMenu() const {
  TrayEvent(WM_RBUTTONDOWN);
  TrayEvent(WM_RBUTTONUP);
  return PumpUntil([this] { return PopupMenu() != nullptr; }, kTipMs);
}

bool UserTest::ChooseFromOpenMenu(MenuChoice item) const {
  const HWND menu = PopupMenu();
  if (!menu) return false;
  for (int i = 0; i < static_cast<int>(item); ++i) PostKey(menu, VK_DOWN);
  PostKey(menu, VK_RETURN);
  return PumpUntil([this] { return PopupMenu() == nullptr; }, kTipMs);
}

bool UserTest::Choose(MenuChoice item) const { return OpenPopupMenu() && ChooseFromOpenMenu(item); }

bool UserTest::DismissPopupMenu() const {
  const HWND menu = PopupMenu();
  if (menu) PostKey(menu, VK_ESCAPE);
  return PumpUntil([this] { return PopupMenu() == nullptr; }, kTipMs);
}

HWND UserTest::WindowsStartBox() const {
  return FindChildWithText(main_, L"Button", L"Start automatically with Windows");
}

HWND UserTest::MethodBox() const { return FindChildWithText(main_, WC_COMBOBOXW, nullptr); }

int UserTest::CheckState(HWND box) const { return static_cast<int>(Send(box, BM_GETCHECK, 0, 0)); }

void UserTest::PressButton(HWND button) const { Send(button, BM_CLICK, 0, 0); }

int UserTest::SelectedMethod() const {
  return static_cast<int>(Send(MethodBox(), CB_GETCURSEL, 0, 0));
}

bool UserTest::SelectMethodWithKeys(int method) const {
  const HWND combo = MethodBox();
  // A closed drop-down list moves its selection by one item per arrow key.
  for (int step = 0; step < 4 && SelectedMethod() != method; ++step) {
    Send(combo, WM_KEYDOWN, SelectedMethod() < method ? VK_DOWN : VK_UP, 1);
  }
  return SelectedMethod() == method;
}

std::wstring UserTest::ShownTip() const {
  std::vector<std::wstring> tips;
  for (const TrayIcon& icon : VisibleTrayIcons()) {
    if (IsBlinkwardTip(icon.tip)) tips.push_back(icon.tip);
  }
  return tips.size() == 1 ? tips[0] : std::wstring();
}

bool UserTest::WaitForShownTip(const std::wstring& tip, DWORD ms) const {
  return PumpUntil([&] { return ShownTip() == tip; }, ms);
}

TimedDialog UserTest::FindTimedDialog() const {
  TimedDialog dialog;
  for (HWND window : TopLevelWindowsOf(blinkward_.id())) {
    if (IsWindowVisible(window) && TextOf(window) == L"Timed") dialog.window = window;
  }
  if (!dialog.window) return dialog;
  std::vector<HWND> upDowns;
  EnumChildWindows(dialog.window, CollectUpDown, reinterpret_cast<LPARAM>(&upDowns));
  for (HWND upDown : upDowns) {
    const auto buddy = reinterpret_cast<HWND>(Send(upDown, UDM_GETBUDDY, 0, 0));
    const int maximum = LOWORD(Send(upDown, UDM_GETRANGE, 0, 0));
    if (maximum == 15) dialog.hours = buddy;
    if (maximum == 59) dialog.minutes = buddy;
  }
  dialog.ok = FindChildWithText(dialog.window, L"Button", L"OK");
  return dialog;
}

void UserTest::EnterSpanAndPressOk(const TimedDialog& dialog, const wchar_t* hours,
                                   const wchar_t* minutes) const {
  Send(dialog.hours, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hours));
  Send(dialog.minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(minutes));
  PressButton(dialog.ok);
}

void UserTest::StartOneMinuteTimedDisable() {
  ASSERT_TRUE(Choose(MenuChoice::TimedDisable));
  TimedDialog dialog;
  ASSERT_TRUE(PumpUntil(
      [&] {
        dialog = FindTimedDialog();
        return dialog.window != nullptr;
      },
      kTipMs))
      << "\"Temporarily disable Screen Saver\" showed no dialog \"Timed\"";
  ASSERT_TRUE(dialog.hours && dialog.minutes && dialog.ok)
      << "the dialog lacks its hours or minutes field or its OK button";
  EnterSpanAndPressOk(dialog, L"0", L"1");
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog.window); }, kTipMs))
      << "OK with 0 hours and 1 minute left the dialog open";
  ASSERT_TRUE(WaitForShownTip(CountdownTip(L"for the next minute"), kTipMs))
      << "tip is \"" << ShownTip() << "\"";
}

}  // namespace e2e
