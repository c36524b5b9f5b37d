#pragma once

namespace lw {

class IniFile;

// The two security delays of section "Options" in the settings file, each a
// whole number in which 0 means never. A value that is missing, not a number
// or negative reads as the default; one above the highest reads as the
// highest.

// "clipboardseconds": a secret copied to the clipboard is cleared after
// this many seconds.
inline constexpr int kClipboardSecondsDefault = 10;
inline constexpr int kClipboardSecondsHighest = 3600;
int ReadClipboardSeconds(const IniFile& settings);
void WriteClipboardSeconds(IniFile& settings, int seconds);

// "locktime": the window locks itself after this many minutes without
// keyboard or pointer input.
inline constexpr int kLockMinutesDefault = 0;
inline constexpr int kLockMinutesHighest = 1440;
int ReadLockMinutes(const IniFile& settings);
void WriteLockMinutes(IniFile& settings, int minutes);

} // namespace lw
