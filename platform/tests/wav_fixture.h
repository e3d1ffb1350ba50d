#pragma once
// Small WAV images for the sound tests.

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstdint>

namespace platform::testing {

inline void putLe32(QByteArray& b, std::uint32_t v) {
    char bytes[4];
    qToLittleEndian(v, bytes);
    b.append(bytes, 4);
}

inline void putLe16(QByteArray& b, std::uint16_t v) {
    char bytes[2];
    qToLittleEndian(v, bytes);
    b.append(bytes, 2);
}

/** A 16-bit PCM image holding `samples` (already interleaved). */
inline QByteArray wavImage(int channels, int rate, const QByteArray& samples) {
    QByteArray b("RIFF");
    putLe32(b, std::uint32_t(36 + samples.size()));
    b.append("WAVEfmt ");
    putLe32(b, 16);
    putLe16(b, 1);
    putLe16(b, std::uint16_t(channels));
    putLe32(b, std::uint32_t(rate));
    putLe32(b, std::uint32_t(rate * channels * 2));
    putLe16(b, std::uint16_t(channels * 2));
    putLe16(b, 16);
    b.append("data");
    putLe32(b, std::uint32_t(samples.size()));
    b.append(samples);
    return b;
}

/** A mono sine tone at 44100 Hz. */
inline QByteArray toneImage(double hz, double seconds, double amplitude = 16000) {
    QByteArray samples;
    const int n = int(seconds * 44100);
    for (int i = 0; i < n; ++i)
        putLe16(samples, std::uint16_t(std::int16_t(
                             std::lround(amplitude * std::sin(2 * M_PI * hz * i / 44100)))));
    return wavImage(1, 44100, samples);
}

} // namespace platform::testing
