#pragma once

#include "store/SoundPlayer.h"

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace lw {

// Plays the wave sounds built in as ":/sounds/<NAME>.wav". Each name gets its
// own effect, loaded the first time it is played; starting a sound stops the
// one still playing, so a quick run of hover clicks restarts the click.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    bool hasOutputDevice() const override;
    // Does nothing when the system has no audio output.
    void play(const QString& name) override;

private:
    QSoundEffect* effect(const QString& name);

    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_current = nullptr;
};

} // namespace lw
