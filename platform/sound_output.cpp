#include "sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return std::uint16_t(p[0] | p[1] << 8);
}

bool tagAt(const QByteArray& b, qsizetype at, const char* tag) {
    return at + 4 <= b.size() && std::memcmp(b.constData() + at, tag, 4) == 0;
}

} // namespace

std::optional<WavFormat> readWavHeader(const QByteArray& image) {
    if (!tagAt(image, 0, "RIFF") || !tagAt(image, 8, "WAVE"))
        return std::nullopt;
    WavFormat f;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const std::uint32_t size = le32(image, at + 4);
        const qsizetype body = at + 8;
        if (tagAt(image, at, "fmt ")) {
            if (size < 16 || body + 16 > image.size())
                return std::nullopt;
            if (le16(image, body) != 1) // PCM only
                return std::nullopt;
            f.channels = le16(image, body + 2);
            f.sampleRate = int(le32(image, body + 4));
            f.bitsPerSample = le16(image, body + 14);
            haveFormat = true;
        } else if (tagAt(image, at, "data")) {
            if (!haveFormat || f.channels < 1 || f.sampleRate < 1 ||
                (f.bitsPerSample != 8 && f.bitsPerSample != 16))
                return std::nullopt;
            const qsizetype frameBytes = qsizetype(f.channels) * (f.bitsPerSample / 8);
            qsizetype available = image.size() - body;
            if (qsizetype(size) < available)
                available = qsizetype(size);
            f.dataOffset = body;
            f.dataSize = available - available % frameBytes;
            return f;
        }
        // Chunks are padded to an even length.
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

AudioSinkOutput::AudioSinkOutput(QObject* parent)
    : QObject(parent) {}

AudioSinkOutput::~AudioSinkOutput() {
    stop();
}

void AudioSinkOutput::play(const QByteArray& wavImage) {
    stop();
    const std::optional<WavFormat> wav = readWavHeader(wavImage);
    if (!wav || wav->dataSize == 0)
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return; // no sound server or device: stay silent
    QAudioFormat format;
    format.setSampleRate(wav->sampleRate);
    format.setChannelCount(wav->channels);
    format.setSampleFormat(wav->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;

    // The sink reads while the sound plays, so it gets a copy of its own.
    m_samples = wavImage.mid(wav->dataOffset, wav->dataSize);
    m_buffer = new QBuffer(&m_samples, this);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, format, this);
    QAudioSink* sink = m_sink;
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (state == QAudio::IdleState)
            onIdle(sink);
        else if (state == QAudio::StoppedState && sink->error() != QAudio::NoError &&
                 sink == m_sink)
            stop();
    });
    sink->start(m_buffer);
    if (sink->error() != QAudio::NoError)
        stop();
}

void AudioSinkOutput::onIdle(QAudioSink* sink) {
    if (sink != m_sink)
        return;
    // Idle comes while the last buffer still sounds: release the sink only after it.
    const qint64 tailMs = sink->format().durationForBytes(sink->bufferSize()) / 1000 + 100;
    QTimer::singleShot(tailMs, this, [this, sink] {
        if (sink == m_sink)
            stop();
    });
}

void AudioSinkOutput::stop() {
    if (m_sink) {
        QAudioSink* sink = m_sink;
        m_sink = nullptr;
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    if (m_buffer) {
        m_buffer->close();
        m_buffer->deleteLater();
        m_buffer = nullptr;
    }
}

void RecordingSoundOutput::play(const QByteArray& wavImage) {
    played.push_back(wavImage);
    m_playing = readWavHeader(wavImage).has_value();
}

void RecordingSoundOutput::stop() {
    ++stops;
    m_playing = false;
}

} // namespace platform
