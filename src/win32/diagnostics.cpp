#include "win32/diagnostics.h"

#include <windows.h>

namespace bw::win32 {
namespace {

// The calls are the program's own constants: the line fits.
void Write(const char* format, const char* call, DWORD error) {
  char line[128];
  wsprintfA(line, format, call, error);
  OutputDebugStringA(line);
}

}  // namespace

void ReportFailure(const char* call, unsigned long error) {
  Write("Blinkward: %s failed: error %lu\n", call, error);
}

void ReportLastError(const char* call) { ReportFailure(call, GetLastError()); }

bool Refusal::Note(const char* call, bool succeeded) {
  if (succeeded != refused_) return succeeded;
  refused_ = !succeeded;
  if (succeeded) {
    Write("Blinkward: %s succeeded again\n", call, 0);
  } else {
    ReportLastError(call);
  }
  return succeeded;
}

}  // namespace bw::win32
