#include "win32/programs.h"

#include <winternl.h>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <type_traits>

#include "hold/full_screen.h"
#include "version_info.h"
#include "win32/diagnostics.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

// NtQuerySystemInformation's list of every process. Vista's entry for one
// process by id (SystemProcessIdInformation) is not used: Wine 8 has none,
// and Wine 10 names a process there after it has ended.
constexpr int kProcessList = 5;  // SystemProcessInformation
// The list is asked for again, larger, on any of the answers that say it did
// not fit, up to a size no session's list comes near. It starts small: the
// system says what it needs, and the buffer, kept, grows to that once.
constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);  // STATUS_INFO_LENGTH_MISMATCH
constexpr LONG kBufferTooSmall = static_cast<LONG>(0xC0000023);  // STATUS_BUFFER_TOO_SMALL
constexpr LONG kBufferOverflow = static_cast<LONG>(0x80000005);  // STATUS_BUFFER_OVERFLOW
constexpr std::size_t kFirstListSize = 4 * 1024;
constexpr std::size_t kMostListSize = 16 * 1024 * 1024;
// Vista's right to wait on a process, which even an elevated one grants; XP
// has only the full query right. MinGW declares it only for Vista and later.
constexpr DWORD kQueryLimited = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
// Posted by the system's wait for a watched process, with the watch's serial.
constexpr UINT kEndedMessage = WM_APP;
// The window that hears of ends: message-only, as nobody sees it.
constexpr const char* kEndsWindowClass = BLINKWARD_NAME "ProgramEnds";
// DwmGetWindowAttribute's DWMWA_CLOAKED (Windows 8), and
// SHQueryUserNotificationState's QUNS_RUNNING_D3D_FULL_SCREEN and
// QUNS_PRESENTATION_MODE (Vista).
constexpr DWORD kCloaked = 14;
constexpr DWORD kSystemFolderOnly = 0x800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
constexpr int kDirect3DFullScreen = 3, kPresentationMode = 4;

// The windows of the shell, which cover or border a monitor, or come forward
// as the user passes through, and belong to no program the user runs.
constexpr std::string_view kShellClasses[] = {
    "Progman",                                 // the desktop
    "WorkerW",                                 // the desktop behind its icons
    "Shell_TrayWnd",                           // the taskbar
    "Shell_SecondaryTrayWnd",                  // the taskbar of another monitor
    "NotifyIconOverflowWindow",                // the notification area's hidden icons
    "TaskSwitcherWnd",                         // Alt+Tab, Windows 7
    "MultitaskingViewFrame",                   // Alt+Tab and Task View, Windows 10
    "XamlExplorerHostIslandWindow",            // Alt+Tab and Task View, Windows 11
    "ForegroundStaging",                       // held in front while the task switches
    "IPTip_Main_Window",                       // the touch keyboard, Windows 7 to 10
    "ApplicationManager_ImmersiveShellWindow"  // the shell's host of Start and its panels
};
// Windows 11 shows the touch keyboard and the emoji panel in a store app's
// window; only that program's are the shell's.
constexpr std::string_view kStoreAppClass = "Windows.UI.Core.CoreWindow";
constexpr const char* kTextInputHost = "TextInputHost.exe";

// Where the hooks report. A WinEvent callback has no context of its own, and
// one thread reports for one program.
Programs* reporter = nullptr;

bool IsVistaOrLater() { return LOBYTE(LOWORD(GetVersion())) >= 6; }

// The file name, should a system give the whole path.
std::string FileName(std::wstring_view path) {
  return Narrow(path.substr(path.find_last_of(L'\\') + 1));
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

// The first process of the list for which found() holds, reading no entry
// that reaches beyond the list.
template <typename Found>
const SYSTEM_PROCESS_INFORMATION* Walk(const std::vector<BYTE>& list, Found found) {
  for (std::size_t at = 0; at + sizeof(SYSTEM_PROCESS_INFORMATION) <= list.size();) {
    const auto& entry = *reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(&list[at]);
    if (found(entry)) return &entry;
    if (entry.NextEntryOffset == 0) break;
    at += entry.NextEntryOffset;
  }
  return nullptr;
}

std::uint32_t IdOf(const SYSTEM_PROCESS_INFORMATION& entry) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(entry.UniqueProcessId));
}

// An ended process may stay listed, without threads, while anyone holds a
// handle to it.
bool Runs(const SYSTEM_PROCESS_INFORMATION& entry) { return entry.NumberOfThreads != 0; }

const SYSTEM_PROCESS_INFORMATION* Find(const std::vector<BYTE>& list, std::uint32_t processId) {
  const auto* entry =
      Walk(list, [&](const SYSTEM_PROCESS_INFORMATION& e) { return IdOf(e) == processId; });
  return entry && Runs(*entry) ? entry : nullptr;
}

// A listed process's file name, if it lies inside the list.
std::string FileOf(const std::vector<BYTE>& list, const SYSTEM_PROCESS_INFORMATION& entry) {
  const auto name = reinterpret_cast<std::uintptr_t>(entry.ImageName.Buffer);
  const auto begin = reinterpret_cast<std::uintptr_t>(list.data());
  if (name < begin || name + entry.ImageName.Length > begin + list.size()) return {};
  return FileName({entry.ImageName.Buffer, entry.ImageName.Length / sizeof(wchar_t)});
}

// Out of context: the callback runs in the message loop of this thread, and
// no DLL goes into other processes. A hook on one process is never on ours,
// and Wine 10 tells such a hook nothing if it also skips our own.
HWINEVENTHOOK Hook(DWORD event, WINEVENTPROC callback, DWORD processId = 0) {
  return Reported("SetWinEventHook",
                  SetWinEventHook(event, event, nullptr, callback, processId, 0,
                                  processId ? WINEVENT_OUTOFCONTEXT
                                            : WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
}

// A window about to appear, one that appears, one that comes to the front.
// Wine 8 sends only the first to other processes; Windows sends all three.
constexpr DWORD kWindowEvents[] = {EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, EVENT_SYSTEM_FOREGROUND};

// The desktop, the taskbars and the shell's other windows, by their class.
bool IsShell(HWND window, std::string_view className) {
  return window == GetDesktopWindow() || window == GetShellWindow() ||
         std::find(std::begin(kShellClasses), std::end(kShellClasses), className) !=
             std::end(kShellClasses);
}

struct Listing {
  const std::vector<BYTE>& list;
  DWORD ours;
  std::vector<ProgramWindow> windows;
};

// The windows the taskbar would show a button for.
BOOL CALLBACK ListWindow(HWND window, LPARAM param) {
  auto& listing = *reinterpret_cast<Listing*>(param);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const bool owned = GetWindow(window, GW_OWNER) && !(exStyle & WS_EX_APPWINDOW);
  const int length = GetWindowTextLengthW(window);
  if (!IsWindowVisible(window) || length == 0 || (exStyle & WS_EX_TOOLWINDOW) || owned) {
    return TRUE;
  }
  char name[48] = "";
  GetClassNameA(window, name, sizeof name);
  const DWORD processId = ProcessOf(window);
  if (IsShell(window, name) || processId == listing.ours) return TRUE;
  const SYSTEM_PROCESS_INFORMATION* entry = Find(listing.list, processId);
  if (!entry) return TRUE;
  std::string file = FileOf(listing.list, *entry);
  if (file.empty()) return TRUE;
  std::wstring title(length + 1, L'\0');
  title.resize(GetWindowTextW(window, title.data(), length + 1));
  listing.windows.push_back({Narrow(title), std::move(file)});
  return TRUE;
}

// The wait goes, and a callback under way finishes first: none runs after.
void UnregisterWaitAndDrain(HANDLE wait) { UnregisterWaitEx(wait, INVALID_HANDLE_VALUE); }
using UniqueWait = Unique<HANDLE, UnregisterWaitAndDrain>;

}  // namespace

// A watched process and the system's wait for it, which posts its serial to
// window when the process ends.
struct Programs::Watch {
  std::uint32_t id;
  std::uint32_t serial;
  HWND window;
  UniqueKernelHandle process;
  UniqueWait wait;  // after the handle, so it goes before the handle it waits on
  std::unique_ptr<Watch> next;
};

Programs::Programs() {
  ProcessIdToSessionId(GetCurrentProcessId(), &session_);
  querySystem_ = reinterpret_cast<QuerySystem>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  notificationState_ = reinterpret_cast<QueryNotificationState>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState")));
}

Programs::~Programs() {
  ReportWindows(false);
  while (watches_) watches_ = std::move(watches_->next);
  if (hwnd()) DestroyWindow(hwnd());
}

template <typename Matches>
std::unique_ptr<Programs::Watch>* Programs::Link(Matches matches) {
  std::unique_ptr<Watch>* link = &watches_;
  while (*link && !matches(**link)) link = &(*link)->next;
  return link;
}

// The system's own list, which a Toolhelp snapshot copies from at several
// times the cost: one call, each process with its name and session.
bool Programs::ReadList() {
  if (!querySystem_) return false;
  if (list_.empty()) list_.resize(kFirstListSize);
  for (;;) {
    ULONG needed = 0;
    const LONG status =
        querySystem_(kProcessList, list_.data(), static_cast<ULONG>(list_.size()), &needed);
    if (status >= 0) return true;
    if (status != kLengthMismatch && status != kBufferTooSmall && status != kBufferOverflow) {
      return false;
    }
    // Room for the processes that start before the next call.
    const std::size_t grown = std::max<std::size_t>(needed, list_.size()) * 5 / 4;
    if (grown > kMostListSize) return false;
    list_.resize(grown);
  }
}

std::string Programs::ListedFile(std::uint32_t processId) const {
  const SYSTEM_PROCESS_INFORMATION* entry = Find(list_, processId);
  return entry && entry->SessionId == session_ ? FileOf(list_, *entry) : std::string();
}

std::vector<RunningProcess> Programs::Processes() {
  if (!ReadList()) return processes_;
  processes_.clear();
  Walk(list_, [&](const SYSTEM_PROCESS_INFORMATION& entry) {
    if (entry.SessionId != session_ || !Runs(entry)) return false;
    std::string file = FileOf(list_, entry);
    if (!file.empty()) processes_.push_back({IdOf(entry), std::move(file)});
    return false;
  });
  return processes_;
}

std::string Programs::ProcessFile(std::uint32_t processId) {
  return ReadList() ? ListedFile(processId) : std::string();
}

bool Programs::WatchForEnd(std::uint32_t processId) {
  if (*Link([&](const Watch& watch) { return watch.id == processId; })) return true;
  // Another session's process is never opened: its list entry tells first.
  if (!ReadList() || ListedFile(processId).empty() || !CreateEndsWindow()) return false;
  const DWORD rights = SYNCHRONIZE | (IsVistaOrLater() ? kQueryLimited : PROCESS_QUERY_INFORMATION);
  UniqueKernelHandle process(OpenProcess(rights, FALSE, processId));
  // It may have ended since the list was read.
  if (!process || WaitForSingleObject(process.Get(), 0) != WAIT_TIMEOUT) return false;
  auto watch = std::make_unique<Watch>(processId, ++lastSerial_, hwnd(), std::move(process));
  HANDLE wait = nullptr;
  if (!Reported("RegisterWaitForSingleObject",
                RegisterWaitForSingleObject(&wait, watch->process.Get(), OnEnded, watch.get(),
                                            INFINITE, WT_EXECUTEONLYONCE))) {
    return false;
  }
  watch->wait.Reset(wait);
  watch->next = std::move(watches_);
  watches_ = std::move(watch);
  return true;
}

void Programs::StopWatching(std::uint32_t processId) {
  std::unique_ptr<Watch>* link = Link([&](const Watch& watch) { return watch.id == processId; });
  if (*link) *link = std::move((*link)->next);
}

bool Programs::CreateEndsWindow() {
  if (hwnd()) return true;
  return CreateMessageWindow(kEndsWindowClass, *this);
}

// On a thread of the system's pool. Posted, not sent: every message loop
// dispatches it, a popup menu's and a message box's too, and only a loop
// does, never a call that waits for another thread's answer.
void CALLBACK Programs::OnEnded(void* context, BOOLEAN) {
  const auto& watch = *static_cast<const Watch*>(context);
  PostMessageA(watch.window, kEndedMessage, watch.serial, 0);
}

// The watch goes first: the program may watch or stop watching others meanwhile.
LRESULT Programs::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kEndedMessage) return DefWindowProcW(hwnd(), message, wParam, lParam);
  std::unique_ptr<Watch>* link = Link([&](const Watch& watch) { return watch.serial == wParam; });
  if (!*link) return 0;
  const std::uint32_t processId = (*link)->id;
  *link = std::move((*link)->next);
  if (events_) events_->OnProcessEnded(processId);
  return 0;
}

void Programs::ReportWindows(bool on) {
  static_assert(std::size(kWindowEvents) == std::extent_v<decltype(hooks_)>);
  if (on) {
    reporter = this;
  } else if (reporter == this) {
    reporter = nullptr;
  }
  for (std::size_t k = 0; k < std::size(hooks_); ++k) {
    hooks_[k].Reset(on ? Hook(kWindowEvents[k], OnWinEvent) : nullptr);
  }
  placeHook_.Reset();
  placeProcess_ = 0;
  if (on) FollowForeground(GetForegroundWindow());
}

// The window itself, not a part of it; of the windows that appear, top-level
// ones only: a control says nothing new.
void CALLBACK Programs::OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                   DWORD, DWORD) {
  Programs* self = reporter;
  if (!self || !self->events_ || !window || object != OBJID_WINDOW || child != CHILDID_SELF) {
    return;
  }
  if (event == EVENT_SYSTEM_FOREGROUND) {
    self->FollowForeground(window);
    return self->events_->OnForegroundChanged();
  }
  if (event == EVENT_OBJECT_LOCATIONCHANGE) {
    if (window == GetForegroundWindow()) self->events_->OnForegroundChanged();
    return;
  }
  if (GetAncestor(window, GA_ROOT) != window) return;
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(window, &processId);
  if (processId) self->events_->OnWindowShown(processId, threadId);
}

// Every window of every program moves and resizes too often to be told of
// all: only the foreground's program is asked for its windows' moves.
void Programs::FollowForeground(HWND window) {
  const DWORD processId = ProcessOf(window);
  if (processId == placeProcess_) return;
  placeProcess_ = processId;
  const bool other = processId != 0 && processId != GetCurrentProcessId();
  placeHook_.Reset(other ? Hook(EVENT_OBJECT_LOCATIONCHANGE, OnWinEvent, processId) : nullptr);
}

// What the user sees may change without the foreground window moving (a
// screen saver, a cloak): those are asked every time,
// the rest only when the window, its place, its style or its monitor change.
Foreground Programs::JudgeForeground() {
  BOOL saverRunning = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &saverRunning, 0);
  Placed now;
  const HWND window = GetForegroundWindow();
  if (saverRunning || !window) return Foreground::Windowed;
  if (Cloaked(window)) return PassingBy();
  if (!Place(window, now)) return Foreground::Windowed;
  if (now.window != judged_.window || !EqualRect(&now.rect, &judged_.rect) ||
      now.style != judged_.style || !EqualRect(&now.monitor, &judged_.monitor)) {
    judged_ = now;
    verdict_ = JudgePlace(now);
  }
  if (verdict_ == Foreground::Passing) return PassingBy();
  behind_ = window;
  return verdict_;
}

// Passing through leaves the window behind it as it was; but one that has
// gone, been minimized or left full screen meanwhile (a game that closed and
// left the desktop in front) is no reason any more.
Foreground Programs::PassingBy() {
  Placed placed;
  if (!behind_ || (Place(behind_, placed) && JudgePlace(placed) == Foreground::FullScreen)) {
    return Foreground::Passing;
  }
  behind_ = nullptr;
  return Foreground::Windowed;
}

bool Programs::Place(HWND window, Placed& placed) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetWindowRect(window, &placed.rect) ||
      !GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return false;
  }
  placed.window = window;
  placed.style = GetWindowLongA(window, GWL_STYLE);
  placed.monitor = monitor.rcMonitor;
  return true;
}

Foreground Programs::JudgePlace(const Placed& placed) {
  if (IsShellOrOurs(placed.window)) return Foreground::Passing;
  const LONG style = placed.style;
  const RECT& w = placed.rect;
  const RECT& m = placed.monitor;
  const WindowFacts facts{{w.left, w.top, w.right, w.bottom},
                          {m.left, m.top, m.right, m.bottom},
                          (style & WS_VISIBLE) && !(style & WS_MINIMIZE),
                          (style & WS_CAPTION) == WS_CAPTION,
                          (style & WS_THICKFRAME) != 0};
  return FillsMonitor(facts) ? Foreground::FullScreen : Foreground::Windowed;
}

// Our own windows and menus included: the user passing through the program.
bool Programs::IsShellOrOurs(HWND window) {
  const DWORD processId = ProcessOf(window);
  char name[48] = "";
  GetClassNameA(window, name, sizeof name);
  if (processId == GetCurrentProcessId() || IsShell(window, name)) return true;
  return name == kStoreAppClass && lstrcmpiA(ProcessFile(processId).c_str(), kTextInputHost) == 0;
}

// dwmapi only once a window is judged, and from the system's folder, never
// one planted beside the program. Cloaks came with Windows 8, whose loader
// takes that folder as a flag; older systems refuse the flag, and have no
// cloaks to ask about. Wine's dwmapi answers nothing.
bool Programs::Cloaked(HWND window) {
  if (!dwmLooked_) {
    dwmLooked_ = true;
    dwm_.Reset(LoadLibraryExA("dwmapi.dll", nullptr, kSystemFolderOnly));
    if (dwm_) {
      windowAttribute_ = reinterpret_cast<GetWindowAttribute>(
          reinterpret_cast<void*>(GetProcAddress(dwm_.Get(), "DwmGetWindowAttribute")));
    }
  }
  DWORD cloaked = 0;
  return windowAttribute_ && windowAttribute_(window, kCloaked, &cloaked, sizeof cloaked) == S_OK &&
         cloaked != 0;
}

// A game in Direct3D's full screen, or the presentation settings on.
bool Programs::SystemSaysFullScreen() {
  int state = 0;
  return notificationState_ && notificationState_(&state) == S_OK &&
         (state == kDirect3DFullScreen || state == kPresentationMode);
}

std::vector<ProgramWindow> Programs::Windows() {
  if (!ReadList()) return {};
  Listing listing{list_, GetCurrentProcessId(), {}};
  EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&listing));
  return std::move(listing.windows);
}

}  // namespace bw::win32
