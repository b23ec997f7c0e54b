// Failures of calls to Windows that the program copes with, written where a
// debugger or a debug-output viewer reads them (under Wine the debugstr
// channel): one line each, naming the call as Windows spells it and its error
// number. Nothing is written on success.
#pragma once

namespace bw::win32 {

// Writes "Blinkward: <call> failed: error <error>".
void ReportFailure(const char* call, unsigned long error);
// The same with the thread's last error, which nothing may touch before.
void ReportLastError(const char* call);

// Passes on the result of a call that sets the last error, reporting it when
// it is null or FALSE.
template <typename Result>
Result Reported(const char* call, Result result) {
  if (!result) ReportLastError(call);
  return result;
}

// A call that may be refused at every attempt (the shell at each poll): its
// refusal is written when it begins, with the last error, and when it ends.
class Refusal {
 public:
  // Returns succeeded.
  bool Note(const char* call, bool succeeded);

 private:
  bool refused_ = false;
};

}  // namespace bw::win32
