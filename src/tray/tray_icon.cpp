#include "tray/tray_icon.h"

#include "tray/tip_field.h"

namespace bw {

namespace {
constexpr std::string_view kStartupTip = "Blinkward";  // the tip until the first poll
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
  if (wanted_) AddNow();
}

void TrayIcon::Retry() {
  if (wanted_ && !shown_) AddNow();
}

void TrayIcon::AddNow() { shown_ = shell_.NotifyIcon(TrayCommand::Add, icon_); }

}  // namespace bw
