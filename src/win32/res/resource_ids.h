// Identifiers of the resources compiled into Blinkward.exe. Read both by the
// C++ code and by the resource compiler, so it holds nothing but #defines.
#ifndef BLINKWARD_WIN32_RES_RESOURCE_IDS_H_
#define BLINKWARD_WIN32_RES_RESOURCE_IDS_H_

// The application icon; also the settings window's icon and the tray's first picture.
#define IDI_APP 1

// Tray pictures: screen saver enabled, disabled, and disabled for a while.
#define IDI_STATUS_ENABLED 101
#define IDI_STATUS_DISABLED 102
#define IDI_STATUS_TIMED 103

// The stopwatch frames of the timed-disable dialog, packed in one RCDATA.
#define IDR_CLOCK_FRAMES 201

// The program's texts in a language beside English, one RCDATA per language.
#define IDR_WORDS 202

#endif  // BLINKWARD_WIN32_RES_RESOURCE_IDS_H_
