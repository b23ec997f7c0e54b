#include "hold/sound_watch.h"

#include <vector>

#include "words/texts.h"

namespace bw {

void SoundWatch::Count(bool counts) {
  counts = counts && sound_.HasSessions();
  if (counts == counts_) return;
  counts_ = counts;
  hears_ = counts ? kSound | kEnd : 0;
  sound_.Listen(counts);
  if (counts) return Judge(clock_.TickCount());
  Wait(0);
  holds_ = heard_ = sounding_ = false;
}

void SoundWatch::OnHeard(const Hearing& hearing) {
  if (hearing.what == kEnd) return Count(false);
  Judge(hearing.now);
}

// Sound heard at the last look lasted until this one: the silence counts
// from the first look that hears none. The program named stays named while it
// plays; otherwise the first that plays is.
void SoundWatch::Judge(std::uint32_t now) {
  const std::vector<SoundSession> sessions = sound_.Sessions();
  const SoundSession* playing = nullptr;
  bool metering = false;
  for (const SoundSession& session : sessions) {
    metering |= session.active && session.metered;
    const bool audible = session.metered ? session.peak > kSilentPeak : session.active;
    if (audible && (!playing || session.file == named_)) playing = &session;
  }
  if (playing || sounding_) {
    heard_ = true;
    heardAt_ = now;
  }
  sounding_ = playing != nullptr;
  holds_ = heard_ = heard_ && now - heardAt_ < kSilenceEndsHoldMs;
  if (playing && playing->file != named_) {
    named_ = playing->file;
    tipText_.clear();
    FillInto(tipText_, Say(Text::HeldBySoundTip), {named_});
    tip_ = tipText_.c_str();
    status_ = statusText_.assign(" while sound plays (").append(named_).append(")").c_str();
    ++words_;
  }
  // A session without a meter reports its own end: no timer until then.
  if (metering) return Wait(kMeterIntervalMs);
  Wait(holds_ && !sounding_ ? static_cast<int>(heardAt_ + kSilenceEndsHoldMs - now) : 0);
}

// One timer, set anew at each look: the next reading is a second after this one.
void SoundWatch::Wait(int ms) {
  if (ms > 0) {
    timers_.StartTimer(TimerId::Sound, ms);
  } else if (waiting_) {
    timers_.StopTimer(TimerId::Sound);
  }
  waiting_ = ms > 0;
}

}  // namespace bw
