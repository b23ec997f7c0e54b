#include "win32/programs.h"

#include <winternl.h>

#include <iterator>
#include <string_view>

#include "version_info.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

// Vista's right to ask a process its image name and token, which even an
// elevated process grants; MinGW declares it only for Vista and later.
constexpr DWORD kQueryLimited = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
// Room for any path a program runs from in practice, on the stack: one
// longer is not named, and its process does not count.
constexpr DWORD kMaxPath = 1024;
// Posted by the system's wait for a watched process, with the watch's serial.
constexpr UINT kEndedMessage = WM_APP;
// The window that hears of ends: message-only, as nobody sees it.
constexpr const char* kEndsWindowClass = BLINKWARD_NAME "ProgramEnds";

// Where the hook reports. A WinEvent callback has no context of its own, and
// one thread has one program.
AppEvents* windowEvents = nullptr;

// The user of a token, written into user; null if it cannot be read.
PSID ReadUser(HANDLE token, BYTE* user, DWORD size) {
  DWORD needed = 0;
  if (!GetTokenInformation(token, TokenUser, user, size, &needed)) return nullptr;
  return reinterpret_cast<TOKEN_USER*>(user)->User.Sid;
}

// The last part of a path, whether a drive's or a device's.
std::string FileName(std::wstring_view path) {
  return Narrow(path.substr(path.find_last_of(L'\\') + 1));
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

// The desktop and the taskbar: they cover or border a monitor, and belong to
// no program the user runs.
bool IsShell(HWND window) {
  if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  for (const std::string_view shell :
       {"Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd"}) {
    if (shell == name) return true;
  }
  return false;
}

// Top-level windows only: a control or a window's part says nothing new.
void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (!windowEvents || !window || object != OBJID_WINDOW || child != CHILDID_SELF ||
      GetAncestor(window, GA_ROOT) != window) {
    return;
  }
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(window, &processId);
  if (processId) windowEvents->OnWindowShown(processId, threadId);
}

// A window about to appear, one that appears, one that comes to the front.
// Wine 8 sends only the first to other processes; Windows sends all three.
constexpr DWORD kWindowEvents[] = {EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, EVENT_SYSTEM_FOREGROUND};

HWINEVENTHOOK Hook(DWORD event) {
  // Out of context: the callback runs in the message loop of this thread, and
  // no DLL goes into other processes.
  return SetWinEventHook(event, event, nullptr, OnWinEvent, 0, 0,
                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

struct Listing {
  Programs& programs;
  DWORD ours;
  std::vector<ProgramWindow> windows;
};

// The windows the taskbar would show a button for.
BOOL CALLBACK ListWindow(HWND window, LPARAM param) {
  auto& listing = *reinterpret_cast<Listing*>(param);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const bool owned = GetWindow(window, GW_OWNER) && !(exStyle & WS_EX_APPWINDOW);
  const int length = GetWindowTextLengthW(window);
  if (!IsWindowVisible(window) || length == 0 || (exStyle & WS_EX_TOOLWINDOW) || owned ||
      IsShell(window)) {
    return TRUE;
  }
  const DWORD processId = ProcessOf(window);
  if (processId == listing.ours) return TRUE;
  std::string file = listing.programs.ProcessFile(processId);
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
  HANDLE opened = nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) {
    const UniqueKernelHandle token(opened);
    ReadUser(token.Get(), user_, kUserSize);
  }
  queryName_ = reinterpret_cast<QueryName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameW")));
  if (queryName_) return;
  // XP: psapi from the system's folder, never one planted beside the program.
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
  psapi_.Reset(LoadLibraryW((path + L"\\psapi.dll").c_str()));
  if (psapi_) {
    devicePath_ = reinterpret_cast<DevicePath>(
        reinterpret_cast<void*>(GetProcAddress(psapi_.Get(), "GetProcessImageFileNameW")));
  }
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

// ProcessIdToSessionId leaves out, too, what we may not ask at all.
bool Programs::InOurSession(std::uint32_t processId) const {
  DWORD session = 0;
  return ProcessIdToSessionId(processId, &session) && session == session_;
}

UniqueKernelHandle Programs::OpenOurs(std::uint32_t processId, DWORD rights) const {
  if (!InOurSession(processId)) return {};
  const DWORD query = queryName_ ? kQueryLimited : PROCESS_QUERY_INFORMATION;
  UniqueKernelHandle process(OpenProcess(query | rights, FALSE, processId));
  HANDLE opened = nullptr;
  if (!process || !OpenProcessToken(process.Get(), TOKEN_QUERY, &opened)) return {};
  const UniqueKernelHandle token(opened);
  alignas(TOKEN_USER) BYTE user[kUserSize];
  const PSID theirs = ReadUser(token.Get(), user, kUserSize);
  const PSID ours = reinterpret_cast<const TOKEN_USER*>(user_)->User.Sid;
  if (!theirs || !ours || !EqualSid(theirs, ours)) return {};
  return process;
}

std::string Programs::ImageFile(HANDLE process) const {
  wchar_t path[kMaxPath];
  DWORD length = kMaxPath;
  if (queryName_) {
    if (!queryName_(process, 0, path, &length)) return {};
  } else if (!devicePath_ || !(length = devicePath_(process, path, kMaxPath))) {
    return {};
  }
  return FileName(std::wstring_view(path, length));
}

// The system's own list, which the Toolhelp snapshot copies from at several
// times the cost: one call, each process with its image name and session.
std::vector<RunningProcess> Programs::Processes() {
  std::vector<RunningProcess> found;
  using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  constexpr int kProcessList = 5;                            // SystemProcessInformation
  constexpr LONG kTooSmall = static_cast<LONG>(0xC0000004);  // STATUS_INFO_LENGTH_MISMATCH
  ULONG size = 256 * 1024;
  std::vector<BYTE> list;
  LONG status = kTooSmall;
  for (int attempt = 0; query && attempt < 3 && status == kTooSmall; ++attempt) {
    list.resize(size);
    status = query(kProcessList, list.data(), size, &size);
    size += 64 * 1024;  // the list may grow before the next call
  }
  if (!query || status != 0) return found;
  for (std::size_t at = 0;;) {
    const auto& process = *reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(&list[at]);
    if (process.SessionId == session_ && process.ImageName.Buffer) {
      const std::wstring_view name(process.ImageName.Buffer,
                                   process.ImageName.Length / sizeof(wchar_t));
      found.push_back(
          {static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(process.UniqueProcessId)),
           FileName(name)});
    }
    if (process.NextEntryOffset == 0) break;
    at += process.NextEntryOffset;
  }
  return found;
}

std::string Programs::ProcessFile(std::uint32_t processId) {
  const UniqueKernelHandle process = OpenOurs(processId, 0);
  return process ? ImageFile(process.Get()) : std::string();
}

bool Programs::WatchForEnd(std::uint32_t processId) {
  if (*Link([&](const Watch& watch) { return watch.id == processId; })) return true;
  UniqueKernelHandle process = OpenOurs(processId, SYNCHRONIZE);
  // An ended process lives on while anyone holds a handle to it.
  if (!process || WaitForSingleObject(process.Get(), 0) != WAIT_TIMEOUT || !CreateEndsWindow()) {
    return false;
  }
  auto watch = std::make_unique<Watch>(processId, ++lastSerial_, hwnd(), std::move(process));
  HANDLE wait = nullptr;
  if (!RegisterWaitForSingleObject(&wait, watch->process.Get(), OnEnded, watch.get(), INFINITE,
                                   WT_EXECUTEONLYONCE)) {
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
  RegisterClassOnce(kEndsWindowClass, Window::Procedure);
  return CreateWindowExA(0, kEndsWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleA(nullptr), static_cast<Window*>(this)) != nullptr;
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
  if (message != kEndedMessage) return DefWindowProcA(hwnd(), message, wParam, lParam);
  std::unique_ptr<Watch>* link = Link([&](const Watch& watch) { return watch.serial == wParam; });
  if (!*link) return 0;
  const std::uint32_t processId = (*link)->id;
  *link = std::move((*link)->next);
  if (events_) events_->OnProcessEnded(processId);
  return 0;
}

void Programs::ReportWindows(bool on) {
  static_assert(std::size(kWindowEvents) == sizeof hooks_ / sizeof hooks_[0]);
  windowEvents = on ? events_ : nullptr;
  for (std::size_t k = 0; k < std::size(hooks_); ++k) {
    hooks_[k].Reset(on ? Hook(kWindowEvents[k]) : nullptr);
  }
}

// Asked once a second: while the same window stays in front at the same
// place, two calls answer it.
Foreground Programs::JudgeForeground() {
  return ForegroundFillsMonitor() ? Foreground::FullScreen : Foreground::Windowed;
}

bool Programs::ForegroundFillsMonitor() {
  const HWND window = GetForegroundWindow();
  RECT rect{};
  if (!window || !GetWindowRect(window, &rect)) return false;
  if (window == lastForeground_ && EqualRect(&rect, &lastRect_)) return lastFills_;
  lastForeground_ = window;
  lastRect_ = rect;
  lastFills_ = false;
  if (IsIconic(window) || !IsWindowVisible(window) || ProcessOf(window) == GetCurrentProcessId() ||
      IsShell(window)) {
    return false;
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return false;
  }
  const RECT& screen = monitor.rcMonitor;
  lastFills_ = rect.left <= screen.left && rect.top <= screen.top && rect.right >= screen.right &&
               rect.bottom >= screen.bottom;
  return lastFills_;
}

std::vector<ProgramWindow> Programs::Windows() {
  Listing listing{*this, GetCurrentProcessId(), {}};
  EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&listing));
  return std::move(listing.windows);
}

}  // namespace bw::win32
