#pragma once

#include <QString>

// Where the reminder window's sound goes; tests record the plays instead.
class ReminderSound
{
public:
    virtual ~ReminderSound() = default;
    // Starts playing the wave file at path without waiting for its end.
    virtual void play(const QString& path) = 0;
};
