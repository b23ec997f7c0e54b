#include "platform/win32/main_form_win.h"

#include "app/res/resource_ids.h"
#include "app/settings_layout.h"
#include "tray/popup_menu.h"

namespace bw::win32 {
namespace {

// The close box, the system menu and Alt+F4 all ask with this unload reason.
constexpr int kUnloadReasonUser = 0;

UINT TimerInterval(TimerId timer) {
  switch (timer) {
    case TimerId::SSCheck:
      return 250;  // the status poller
    case TimerId::SSTimedDisable:
      return 1000;  // the countdown counts seconds
    case TimerId::AnimClock:
      return 120;  // one stopwatch frame
  }
  return USER_TIMER_MAXIMUM;
}

int ControlId(SettingsControl control) {
  switch (control) {
    case SettingsControl::Title:
      return kIdTitle;
    case SettingsControl::WindowsStart:
      return kIdWindowsStart;
    case SettingsControl::Method:
      return kIdMethod;
  }
  return 0;
}

void RegisterMainFormClass(HINSTANCE instance) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kMainFormClass, &existing)) return;
  // The icons are set on the window: they belong to the form object, not to
  // the class, which outlives it.
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Window::Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainFormClass;
  RegisterClassA(&windowClass);
}

UniqueMenu CreateOptionsMenu() {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  for (const MenuItemSpec& item : OptionsMenu()) {
    if (item.commandId == 0) {
      AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(menu.Get(), MF_STRING, item.commandId, item.caption);
    }
  }
  return menu;
}

}  // namespace

MainFormWin::~MainFormWin() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool MainFormWin::Create(const FormSpec& form, MainFormEvents& events) {
  events_ = &events;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterMainFormClass(instance);
  // Explorer broadcasts this when it (re)creates the notification area.
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  if (!CreateFormWindow(form, kMainFormClass, kMainFormStyle, 0, nullptr, this)) return false;
  formIcon_ = resources_.Icon(IDI_APP, GetSystemMetrics(SM_CXSMICON));
  const HICON largeIcon = resources_.Icon(IDI_APP, GetSystemMetrics(SM_CXICON));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(formIcon_));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
  menu_ = CreateOptionsMenu();
  return CreateControls(hwnd(), form, resources_) && menu_;
}

LRESULT MainFormWin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (!events_->QueryUnload(kUnloadReasonUser)) DestroyMainWindow();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) events_->EndSession();
      return 0;
    case WM_TIMER:
      events_->Timer(static_cast<TimerId>(wParam));
      return 0;
    case kPictureBoxMouseMove:
      if (wParam == kIdStatusOutput) events_->TrayCallback(static_cast<std::int32_t>(lParam));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED &&
          reinterpret_cast<HWND>(lParam) == Control(SettingsControl::WindowsStart)) {
        events_->WindowsStartClick();
        return 0;
      }
      break;
    default:
      if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        events_->TaskbarCreated();
        return 0;
      }
      break;
  }
  return DefWindowProcA(hwnd(), message, wParam, lParam);
}

// The settings window keeps the keyboard focus as a dialog does: on the
// control that had it when the window was last left, at first on the first
// control in the Tab order.
void MainFormWin::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
}

void MainFormWin::RestoreFocus() {
  const bool valid = lastFocus_ && IsChild(hwnd(), lastFocus_);
  SetFocus(valid ? lastFocus_ : GetNextDlgTabItem(hwnd(), nullptr, FALSE));
}

HWND MainFormWin::Control(SettingsControl control) const {
  return GetDlgItem(hwnd(), ControlId(control));
}

Handle MainFormWin::StatusOutputWindow() { return ToHandle(GetDlgItem(hwnd(), kIdStatusOutput)); }

Handle MainFormWin::MainWindow() { return ToHandle(hwnd()); }

Handle MainFormWin::PictureIcon(TrayPicture picture) {
  if (picture == TrayPicture::FormIcon) return ToHandle(formIcon_);
  const HWND image = GetDlgItem(hwnd(), kIdStatus0 + static_cast<int>(picture));
  return ToHandle(reinterpret_cast<HICON>(SendMessageA(image, STM_GETICON, 0, 0)));
}

void MainFormWin::ShowMainWindow() {
  ShowWindow(hwnd(), SW_SHOW);
  // Showing a window that is already visible does not bring it to the front.
  SetForegroundWindow(hwnd());
}

void MainFormWin::HideMainWindow() { ShowWindow(hwnd(), SW_HIDE); }

void MainFormWin::DestroyMainWindow() {
  DestroyWindow(hwnd());
  // The program has no window left: end the message loop.
  PostQuitMessage(0);
}

void MainFormWin::SetTimerEnabled(TimerId timer, bool enabled) {
  const auto id = static_cast<UINT_PTR>(timer);
  if (enabled) {
    SetTimer(hwnd(), id, TimerInterval(timer), nullptr);
  } else {
    KillTimer(hwnd(), id);
  }
}

void MainFormWin::SetMenuItemEnabled(MenuItem item, bool enabled) {
  EnableMenuItem(menu_.Get(), static_cast<UINT>(item),
                 MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainFormWin::SetMenuItemCaption(MenuItem item, const std::string& caption) {
  // Only the text changes; the item keeps its enabled state.
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(caption.c_str());
  SetMenuItemInfoA(menu_.Get(), static_cast<UINT>(item), FALSE, &info);
}

void MainFormWin::BringToForeground(Handle window) {
  SetForegroundWindow(FromHandle<HWND>(window));
}

int MainFormWin::TrackPopupMenu(std::uint32_t flags) {
  POINT cursor{};
  GetCursorPos(&cursor);
  // TPM_RETURNCMD: the choice comes back here instead of as WM_COMMAND, so the
  // caller runs its command before it returns.
  const BOOL command =
      ::TrackPopupMenu(menu_.Get(), flags | TPM_RETURNCMD, cursor.x, cursor.y, 0, hwnd(), nullptr);
  // The caller made the window foreground so that the menu closes when the user
  // clicks elsewhere; a harmless message after it forces the task switch back,
  // without which the next popup opened from the tray appears and vanishes at once.
  PostMessageA(hwnd(), WM_NULL, 0, 0);
  return command;
}

int MainFormWin::CheckValue(SettingsControl control) {
  return static_cast<int>(SendMessageA(Control(control), BM_GETCHECK, 0, 0));
}

void MainFormWin::SetCheckValue(SettingsControl control, int value) {
  SendMessageA(Control(control), BM_SETCHECK, value, 0);
}

int MainFormWin::ListIndex(SettingsControl control) {
  return static_cast<int>(SendMessageA(Control(control), CB_GETCURSEL, 0, 0));
}

void MainFormWin::SetListIndex(SettingsControl control, int index) {
  SendMessageA(Control(control), CB_SETCURSEL, index, 0);
}

std::string MainFormWin::Caption(SettingsControl control) { return WindowText(Control(control)); }

void MainFormWin::SetCaption(SettingsControl control, const std::string& text) {
  SetWindowTextA(Control(control), text.c_str());
}

}  // namespace bw::win32
