#include "ui/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace lw {

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::hasOutputDevice() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtSoundPlayer::play(const QString& name)
{
    if (!hasOutputDevice())
        return;
    QSoundEffect* next = effect(name);
    if (m_current && m_current != next)
        m_current->stop();
    next->stop();
    next->play();
    m_current = next;
}

QSoundEffect* QtSoundPlayer::effect(const QString& name)
{
    auto& slot = m_effects[name];
    if (!slot) {
        slot = std::make_unique<QSoundEffect>();
        slot->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(name)));
    }
    return slot.get();
}

} // namespace lw
