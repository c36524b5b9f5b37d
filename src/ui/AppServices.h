#pragma once

#include <QString>

namespace lw {

class AccessLog;
class AliasStore;
class Clock;
class FileChooser;
class IniFile;
class Messages;
class SecretClipboard;
class SoundPlayer;

// The program-wide services every window reaches through the main window.
// main() builds the real ones; tests hand in fakes.
struct AppServices {
    QString settingsFolder;
    IniFile& settings;
    AliasStore& alias;
    AccessLog& log;
    const Clock& clock;
    Messages& messages;
    FileChooser& files;
    SoundPlayer& sounds;
    SecretClipboard& clipboard;
};

} // namespace lw
