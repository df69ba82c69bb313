#include "platform/qt/audio/SquareWaveTone.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace cdx {

namespace {
constexpr double kLoudness = 0.25; // of full scale
} // namespace

SquareWaveTone::SquareWaveTone() = default;

SquareWaveTone::~SquareWaveTone()
{
    silence();
}

void SquareWaveTone::silence()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}

void SquareWaveTone::beep(unsigned frequencyHz, unsigned durationMs)
{
    silence();
    if (frequencyHz == 0 || durationMs == 0) {
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return;
    }
    QAudioFormat format = device.preferredFormat();
    if (format.sampleFormat() != QAudioFormat::Int16 && format.sampleFormat() != QAudioFormat::Float) {
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            return;
        }
    }
    const int rate = format.sampleRate();
    const int channels = std::max(1, format.channelCount());
    if (rate <= 0 || frequencyHz * 2 > static_cast<unsigned>(rate)) {
        return;
    }
    const auto frames = static_cast<qsizetype>(static_cast<std::int64_t>(rate) * durationMs / 1000);
    const double halfPeriod = rate / (2.0 * frequencyHz);
    const qsizetype bytesPerSample = format.bytesPerSample();
    m_samples = QByteArray(frames * channels * bytesPerSample, '\0');
    char* out = m_samples.data();
    for (qsizetype frame = 0; frame < frames; ++frame) {
        const bool high = static_cast<std::int64_t>(frame / halfPeriod) % 2 == 0;
        const double level = high ? kLoudness : -kLoudness;
        for (int channel = 0; channel < channels; ++channel) {
            if (format.sampleFormat() == QAudioFormat::Float) {
                const float value = static_cast<float>(level);
                std::memcpy(out, &value, sizeof value);
            } else {
                const auto value = static_cast<std::int16_t>(level * 32767);
                std::memcpy(out, &value, sizeof value);
            }
            out += bytesPerSample;
        }
    }
    m_buffer.setData(m_samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
}

} // namespace cdx
