#include "win32/power.h"

#include "win32/diagnostics.h"
#include "words/words.h"

namespace bw::win32 {
namespace {

// Power requests exist from Windows 7 on, and MinGW declares them only for
// _WIN32_WINNT 0x0601 and later. The program must start on XP: what they need
// is declared here and the calls are looked up at run time.
struct ReasonContext {
  ULONG version = 0;  // POWER_REQUEST_CONTEXT_VERSION
  DWORD flags = 1;    // POWER_REQUEST_CONTEXT_SIMPLE_STRING
  LPWSTR reason;
  void* unused[3] = {};  // the rest of the system's union, whose other member is larger
};
constexpr int kDisplayRequired = 0, kSystemRequired = 1;  // POWER_REQUEST_TYPE
using ChangeRequest = BOOL(WINAPI*)(HANDLE, int);

template <typename Function>
Function Find(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

// A request set for the system, and the display if asked, or none. Wine 8 has
// the calls, but they fail. The refusal names the call that failed; its end,
// the last one.
UniqueKernelHandle CreateHeldRequest(bool display, Refusal& refusal) {
  const auto create = Find<HANDLE(WINAPI*)(ReasonContext*)>("PowerCreateRequest");
  const auto set = Find<ChangeRequest>("PowerSetRequest");
  if (!create || !set || !Find<ChangeRequest>("PowerClearRequest")) return {};
  // The system only reads the reason.
  ReasonContext context{.reason = const_cast<LPWSTR>(kPowerRequestReason)};
  const HANDLE created = create(&context);
  UniqueKernelHandle request(created == INVALID_HANDLE_VALUE ? nullptr : created);
  if (!request) {
    refusal.Note("PowerCreateRequest", false);
    return {};
  }
  // Closing the handle also ends a request that was set only in part.
  if (!refusal.Note("PowerSetRequest", (!display || set(request.Get(), kDisplayRequired)) &&
                                           set(request.Get(), kSystemRequired))) {
    return {};
  }
  return request;
}

}  // namespace

// The request held goes before its successor is made: each is made whole.
bool Power::Keep(KeepAwake what) {
  if (what == held_) return true;
  Release();
  if (what != KeepAwake::Nothing) Hold(what);
  return what == held_;
}

void Power::Hold(KeepAwake what) {
  const bool display = what == KeepAwake::Display;
  request_ = CreateHeldRequest(display, requestRefusal_);
  if (request_) {
    mechanism_ = Mechanism::Request;
  } else if (Reported("SetThreadExecutionState",
                      SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED |
                                              (display ? ES_DISPLAY_REQUIRED : 0)))) {
    mechanism_ = Mechanism::ExecutionState;
  } else {
    return;
  }
  held_ = what;
}

void Power::Release() {
  if (mechanism_ == Mechanism::Request) {
    const auto clear = Find<ChangeRequest>("PowerClearRequest");
    // Both are asked, whatever the first answers.
    const bool display = held_ == KeepAwake::Display;
    Reported("PowerClearRequest", (!display || clear(request_.Get(), kDisplayRequired)) &
                                      clear(request_.Get(), kSystemRequired));
    request_.Reset();
  } else if (mechanism_ == Mechanism::ExecutionState) {
    SetThreadExecutionState(ES_CONTINUOUS);
  }
  mechanism_ = Mechanism::None;
  held_ = KeepAwake::Nothing;
}

// Offline with a battery present; a status the system cannot give, an unknown
// line status or no battery at all count as mains.
bool Power::OnBattery() {
  SYSTEM_POWER_STATUS status{};
  constexpr BYTE kOffline = 0, kNoBattery = 128;
  return GetSystemPowerStatus(&status) && status.ACLineStatus == kOffline &&
         status.BatteryFlag != kNoBattery;
}

}  // namespace bw::win32
