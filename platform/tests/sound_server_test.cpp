// Plays a tone through the real sound output into the test run's private
// sound server and records what arrives at the sink.
#include "sound_output.h"
#include "wav_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<double> samplesOf(const QByteArray& raw) {
    std::vector<double> s(std::size_t(raw.size() / 2));
    const auto* p = reinterpret_cast<const unsigned char*>(raw.constData());
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::int16_t(std::uint16_t(p[2 * i] | p[2 * i + 1] << 8));
    return s;
}

// True when something louder than `threshold` was recorded and at least
// `quiet` samples not as loud follow the last of it.
bool endsInSilence(const QByteArray& raw, double threshold, std::size_t quiet) {
    const std::vector<double> s = samplesOf(raw);
    std::size_t tail = 0;
    for (std::size_t i = s.size(); i-- > 0;) {
        if (std::abs(s[i]) > threshold)
            return tail >= quiet;
        ++tail;
    }
    return false;
}

} // namespace

TEST(SoundServer, aToneArrivesWholeAtTheSink) {
    const QString sink = qEnvironmentVariable("KOMA_TEST_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "no private sound server (run the tests with ./koma test)";

    QProcess recorder;
    recorder.start("parec", {"-d", sink + ".monitor", "--rate=44100", "--channels=1",
                             "--format=s16le", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted(5000));
    // Play only once the recording flows: its first blocks may come late.
    QByteArray raw;
    QElapsedTimer clock;
    clock.start();
    while (raw.size() < 44100 / 5 && clock.elapsed() < 10000) {
        recorder.waitForReadyRead(100);
        raw += recorder.readAllStandardOutput();
    }
    ASSERT_GE(raw.size(), 44100 / 5) << "the recording does not flow";

    platform::AudioSinkOutput out;
    const double seconds = 1.0;
    const QByteArray image = platform::testing::toneImage(440, seconds);
    out.play(image);
    EXPECT_TRUE(out.isPlaying());
    clock.restart();
    while (out.isPlaying() && clock.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_FALSE(out.isPlaying()) << "the sound did not end";
    // The recording lags behind the sink: read on until a tenth of a second of
    // silence follows the last loud sample, however long that takes to arrive.
    clock.restart();
    while (!endsInSilence(raw, 4000, 44100 / 10) && clock.elapsed() < 30000) {
        recorder.waitForReadyRead(100);
        raw += recorder.readAllStandardOutput();
    }
    recorder.terminate();
    recorder.waitForFinished(5000);
    raw += recorder.readAllStandardOutput();
    const std::vector<double> s = samplesOf(raw);

    // The tone is where the signal is loud; its length and its zero crossings.
    const double threshold = 4000;
    std::size_t first = s.size(), last = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (std::abs(s[i]) > threshold) {
            first = std::min(first, i);
            last = i;
        }
    ASSERT_LT(first, s.size()) << "nothing arrived at the sink (" << s.size() << " samples)";
    // A fresh stream on a null sink loses a few milliseconds at its start in
    // the server; the tail is ours to keep, so it must arrive to the last sample.
    const double length = double(last - first) / 44100;
    EXPECT_GT(length, seconds - 0.025);
    EXPECT_LT(length, seconds + 0.005);
    const std::vector<double> played = samplesOf(image.mid(44));
    std::size_t end = last;
    while (end + 1 < s.size() && s[end + 1] != 0)
        ++end;
    ASSERT_GE(end, 100u);
    for (std::size_t k = 0; k < 100; ++k)
        ASSERT_EQ(s[end - k], played[played.size() - 1 - k]) << k << " samples before the end";
    int crossings = 0;
    for (std::size_t i = first + 1; i <= last; ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    EXPECT_NEAR(crossings / 2.0 / length, 440, 2);
}

TEST(SoundServer, stopEndsTheSoundAtOnce) {
    if (qEnvironmentVariable("KOMA_TEST_SINK").isEmpty())
        GTEST_SKIP() << "no private sound server (run the tests with ./koma test)";
    platform::AudioSinkOutput out;
    out.play(platform::testing::toneImage(440, 5));
    QTest::qWait(200);
    EXPECT_TRUE(out.isPlaying());
    out.stop();
    EXPECT_FALSE(out.isPlaying());
    out.stop();
    out.play(platform::testing::toneImage(220, 0.2));
    out.play(platform::testing::toneImage(330, 0.2)); // replaces the one before
    EXPECT_TRUE(out.isPlaying());
}
