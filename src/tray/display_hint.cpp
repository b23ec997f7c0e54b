#include "tray/display_hint.h"

#include "words/texts.h"
#include "words/words.h"

namespace bw {

void DisplayHint::Load() {
  shown_ = registry_.ReadString(kDisplayHintKey, "").state != StoredString::State::Missing;
}

void DisplayHint::Show(bool displayKeptOn) {
  if (shown_ || displayKeptOn || screenSaver_.Chosen()) return;
  const std::uint32_t now = clock_.TickCount();
  if (asked_ && now - askedAt_ < kAgainMs) return;
  if (!shell_.ShowBalloon(Say(Text::DisplayHintTitle),
                          Fill(Text::DisplayHintText, {Say(Text::KeepDisplayOn)}).c_str())) {
    return;
  }
  asked_ = true;
  askedAt_ = now;
}

void DisplayHint::OnShown() {
  if (!asked_ || shown_) return;
  shown_ = true;
  registry_.WriteString(kDisplayHintKey, "", "1");
}

}  // namespace bw
