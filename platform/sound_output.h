#pragma once
// Sound output: plays a complete WAV image from memory in the background.

#include <QByteArray>
#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class QAudioSink;
class QBuffer;

namespace platform {

/** The parts of a RIFF/PCM WAV image that a player needs. */
struct WavFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataOffset = 0; ///< first byte of the samples
    qsizetype dataSize = 0;   ///< whole frames only, cut to what the image holds
};

/**
 * Reads the header of a WAV image: "RIFF", "WAVE", a PCM "fmt " chunk and the
 * "data" chunk, walking the chunks in between. Nothing for anything else
 * (a block of four zero bytes, a truncated header, a compressed format).
 */
std::optional<WavFormat> readWavHeader(const QByteArray& image);

/** Plays WAV images; a new play ends the sound before it. */
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    /** Starts the image and returns at once. An image that is no WAV image just stops the sound. */
    virtual void play(const QByteArray& wavImage) = 0;
    /** Ends the sound at once; nothing happens when nothing plays. */
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};

/**
 * The desktop's sound output. Without a sound server or device it plays
 * nothing and the program goes on.
 */
class AudioSinkOutput : public QObject, public SoundOutput {
    Q_OBJECT
public:
    explicit AudioSinkOutput(QObject* parent = nullptr);
    ~AudioSinkOutput() override;
    void play(const QByteArray& wavImage) override;
    void stop() override;
    bool isPlaying() const override { return m_sink != nullptr; }

private:
    void onIdle(QAudioSink* sink);

    QAudioSink* m_sink = nullptr;
    QBuffer* m_buffer = nullptr;
    QByteArray m_samples;
};

/** A sound output for tests: keeps every image it was asked to play. */
class RecordingSoundOutput : public SoundOutput {
public:
    void play(const QByteArray& wavImage) override;
    void stop() override;
    bool isPlaying() const override { return m_playing; }

    std::vector<QByteArray> played; ///< every image, in order
    int stops = 0;                  ///< stop() calls

private:
    bool m_playing = false;
};

} // namespace platform
