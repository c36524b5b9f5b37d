#pragma once

#include "store/SoundPlayer.h"

#include <QStringList>

namespace lw::test {

class FakeSounds : public SoundPlayer {
public:
    bool hasOutputDevice() const override { return device; }
    void play(const QString& name) override { played << name; }

    bool device = true;
    QStringList played;
};

} // namespace lw::test
