#include "tray/tray_icon.h"

#include "tray/tip_field.h"
#include "words/words.h"

namespace bw {
namespace {

// Each refused call can hold the program's thread while a busy shell makes up
// its mind. After a refusal, whatever asks (the poll, the countdown's tick, a
// change of state): one attempt a poll (four a second) for three seconds,
// then one every five seconds.
constexpr std::uint32_t kEagerMs = 3000;
constexpr std::uint32_t kEagerGapMs = 200;
constexpr std::uint32_t kLaterGapMs = 5000;

}  // namespace

void TrayIcon::Add() {
  icon_.picture = TrayPicture::App;
  WriteTipField(icon_.tip, kStartupTip);
  wanted_ = true;
  AddNow();
}

void TrayIcon::Show(const Status& status) {
  TrayIconData now = icon_;
  now.picture = PictureOf(status);
  const std::string_view tip = TipOf(status);
  if (!tip.empty()) WriteTipField(now.tip, tip);
  if (shown_ && now.picture == icon_.picture && now.tip == icon_.tip) return;
  icon_ = now;
  Update();
}

void TrayIcon::Update() {
  if (shown_) {
    if (shell_.NotifyIcon(TrayCommand::Modify, icon_)) return;
    shown_ = false;
  }
  AddWhenDue();
}

void TrayIcon::Remove() {
  wanted_ = false;
  shown_ = false;
  shell_.NotifyIcon(TrayCommand::Delete, icon_);
}

void TrayIcon::Restore() {
  refused_ = false;
  if (wanted_) AddNow();
}

// None while there is no notification area: its TaskbarCreated will come.
void TrayIcon::AddWhenDue() {
  if (!wanted_ || shown_) return;
  if (refused_) {
    const std::uint32_t now = clock_.TickCount();
    const std::uint32_t gap = now - refusedSince_ < kEagerMs ? kEagerGapMs : kLaterGapMs;
    if (now - lastAttempt_ < gap) return;
  }
  if (shell_.TaskbarExists()) AddNow();
}

// A shell that still holds the icon refuses the add (its TaskbarCreated also
// comes after a change of resolution or a remote connection), and a busy one
// may refuse an add that lands all the same: the icon is brought up to date
// instead, and counts as shown when either is taken. Either way it is a new
// icon to the shell, which forgets the callbacks it was asked for.
void TrayIcon::AddNow() {
  lastAttempt_ = clock_.TickCount();
  shown_ =
      shell_.NotifyIcon(TrayCommand::Add, icon_) || shell_.NotifyIcon(TrayCommand::Modify, icon_);
  if (shown_) {
    refused_ = false;
    keyboardCallbacks_ = shell_.NotifyIcon(TrayCommand::UseKeyboardCallbacks, icon_);
  } else if (!refused_) {
    refused_ = true;
    refusedSince_ = lastAttempt_;
  }
}

}  // namespace bw
