#pragma once

#include "diary/reminders/ReminderSound.h"

#include <memory>

class QSoundEffect;

// Plays a wave file asynchronously; each play starts it again from the beginning.
class WaveSound final : public ReminderSound
{
public:
    WaveSound();
    ~WaveSound() override;
    Q_DISABLE_COPY_MOVE(WaveSound)

    void play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> m_effect; // made at the first play
};
