#pragma once

#include <QString>

namespace lw {

// Plays the built-in wave sounds ("GRANT", "DENY", "BUZZ", "MOVE") asynchronously.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual bool hasOutputDevice() const = 0;
    // A new sound replaces one still playing.
    virtual void play(const QString& name) = 0;
};

} // namespace lw
