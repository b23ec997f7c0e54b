#include "process.h"

#include <utility>

#include "pump.h"

namespace e2e {

Process Process::Start(const std::wstring& exe) {
  Process process;
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    process.startError_ = GetLastError();
    return process;
  }
  CloseHandle(info.hThread);
  process.handle_ = info.hProcess;
  process.id_ = info.dwProcessId;
  return process;
}

Process::Process(Process&& other) noexcept { *this = std::move(other); }

Process& Process::operator=(Process&& other) noexcept {
  std::swap(handle_, other.handle_);
  std::swap(id_, other.id_);
  std::swap(startError_, other.startError_);
  return *this;
}

Process::~Process() {
  if (handle_) CloseHandle(handle_);
}

bool Process::running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(DWORD ms) const {
  return handle_ && PumpUntil([this] { return !running(); }, ms);
}

DWORD Process::exitCode() const {
  DWORD code = STILL_ACTIVE;
  if (handle_) GetExitCodeProcess(handle_, &code);
  return code;
}

void Process::Kill() const {
  if (!running()) return;
  TerminateProcess(handle_, 1);
  WaitForSingleObject(handle_, 5000);
}

namespace {

struct WindowsOf {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOf(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowsOf*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search.pid) search.found.push_back(window);
  return TRUE;
}

struct DescendantSearch {
  const wchar_t* windowClass;
  HWND found;
};

BOOL CALLBACK FindByClass(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<DescendantSearch*>(param);
  if (ClassOf(window) != search.windowClass) return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
  WindowsOf search{pid, {}};
  EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevelWindow(DWORD pid, const wchar_t* windowClass) {
  for (HWND window : TopLevelWindowsOf(pid)) {
    if (ClassOf(window) == windowClass) return window;
  }
  return nullptr;
}

HWND FindDescendant(HWND parent, const wchar_t* windowClass) {
  DescendantSearch search{windowClass, nullptr};
  EnumChildWindows(parent, FindByClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring ClassOf(HWND window) {
  WCHAR name[256] = {0};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  WCHAR text[512] = {0};
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, nullptr);
  return text;
}

std::wstring WindowsPathOf(const std::string& path) {
  std::wstring wide(path.begin(), path.end());
  if (wide.empty() || wide[0] != L'/') return wide;
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + wide;
}

}  // namespace e2e
