#include "platform/qt/audio/QtWavePlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace cdx {

QtWavePlayer::QtWavePlayer() = default;

QtWavePlayer::~QtWavePlayer()
{
    stop();
}

void QtWavePlayer::play(const std::string& file, bool loop)
{
    stop();
    if (file.empty() || QMediaDevices::audioOutputs().isEmpty()) {
        return;
    }
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
    m_effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    // Starts once the file is loaded; a file that cannot be decoded stays silent.
    m_effect->play();
}

void QtWavePlayer::stop()
{
    if (m_effect) {
        m_effect->stop();
        m_effect.reset();
    }
}

} // namespace cdx
