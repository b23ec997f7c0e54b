#include "hold/full_screen_watch.h"

#include "words/texts.h"
#include "words/words.h"

namespace bw {

void FullScreenWatch::Judge() {
  if (!counts_) {
    holds_ = false;
    return;
  }
  const Foreground verdict = programs_.JudgeForeground();
  if (verdict == Foreground::Passing) return;
  fills_ = verdict == Foreground::FullScreen;
  holds_ = fills_ || programs_.SystemSaysFullScreen();
}

FullScreenWatch::FullScreenWatch(ProgramsPort& programs)
    : Reason(Relay<FullScreenWatch>), programs_(programs) {
  tip_ = Say(Text::HeldByFullScreenTip);
  status_ = kHeldByFullScreenStatus;
}

// The foreground is judged as windows come and go, and at each poll shortly
// after one appeared.
void FullScreenWatch::OnHeard(const Hearing& hearing) {
  switch (hearing.what) {
    case kWindow:
      judgeUntil_ = hearing.now + kJudgeAfterWindowMs;
      return Judge();
    case kPoll:
      if (static_cast<std::int32_t>(judgeUntil_ - hearing.now) >= 0) return Judge();
      // A presentation or a game's full screen begins with no window moving.
      if (!fills_) holds_ = programs_.SystemSaysFullScreen();
      return;
    case kEnd:
      Count(false);
      return Judge();
    default:
      return Judge();
  }
}

}  // namespace bw
