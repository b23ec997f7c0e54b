#include "tray/tray_icon.h"

#include "tray/tip_field.h"

namespace bw {
namespace {

constexpr std::string_view kStartupTip = "Blinkward";  // the tip until the first poll

// Each refused call can hold the program's thread while a busy shell makes up
// its mind: one attempt at each poll (four a second) for the first three
// seconds, then one every five seconds.
constexpr int kEagerRetries = 12;
constexpr int kRetriesPerLaterAttempt = 20;

}  // namespace

void TrayIcon::Add() {
  icon_.picture = TrayPicture::App;
  SetTip(kStartupTip);
  wanted_ = true;
  AddNow();
}

void TrayIcon::SetTip(std::string_view text) { WriteTipField(icon_.tip, text); }

void TrayIcon::Update() {
  if (shown_ && shell_.NotifyIcon(TrayCommand::Modify, icon_)) return;
  if (wanted_) AddNow();
}

void TrayIcon::Remove() {
  wanted_ = false;
  shown_ = false;
  shell_.NotifyIcon(TrayCommand::Delete, icon_);
}

void TrayIcon::Restore() {
  retries_ = 0;
  if (wanted_) AddNow();
}

// None while there is no notification area: its TaskbarCreated will come.
void TrayIcon::Retry() {
  if (!wanted_ || shown_) return;
  ++retries_;
  const int late = retries_ - kEagerRetries;
  if (late > 0 && late % kRetriesPerLaterAttempt != 0) return;
  if (shell_.TaskbarExists()) AddNow();
}

// A shell that still holds the icon refuses the add (its TaskbarCreated also
// comes after a change of resolution or a remote connection): the icon is
// brought up to date instead, and counts as shown when either is taken.
void TrayIcon::AddNow() {
  if (shell_.NotifyIcon(TrayCommand::Add, icon_)) {
    shown_ = true;
    keyboardCallbacks_ = shell_.NotifyIcon(TrayCommand::UseKeyboardCallbacks, icon_);
  } else {
    shown_ = shell_.NotifyIcon(TrayCommand::Modify, icon_);
  }
  if (shown_) retries_ = 0;
}

}  // namespace bw
