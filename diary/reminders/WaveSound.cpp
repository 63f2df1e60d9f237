#include "diary/reminders/WaveSound.h"

#include <QSoundEffect>
#include <QUrl>

WaveSound::WaveSound() = default;

WaveSound::~WaveSound() = default;

void WaveSound::play(const QString& path)
{
    if (!m_effect)
        m_effect = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_effect->stop();
    m_effect->play();
}
