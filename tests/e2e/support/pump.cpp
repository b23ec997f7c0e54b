#include "pump.h"

namespace e2e {
namespace {

constexpr DWORD kPollMs = 10;  // between two looks at the condition

void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void WaitBriefly(DWORD ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  PumpPending();
}

}  // namespace

ULONGLONG NowMs() { return GetTickCount64(); }

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG end = NowMs() + timeoutMs;
  for (;;) {
    PumpPending();
    if (done()) return true;
    const ULONGLONG now = NowMs();
    if (now >= end) return false;
    WaitBriefly(static_cast<DWORD>(end - now < kPollMs ? end - now : kPollMs));
  }
}

void PumpFor(DWORD ms) {
  const ULONGLONG end = NowMs() + ms;
  for (ULONGLONG now = NowMs(); now < end; now = NowMs()) {
    WaitBriefly(static_cast<DWORD>(end - now < kPollMs ? end - now : kPollMs));
  }
}

}  // namespace e2e
