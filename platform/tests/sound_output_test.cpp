#include "sound_output.h"
#include "wav_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using platform::readWavHeader;
using platform::testing::toneImage;
using platform::testing::wavImage;

TEST(WavHeader, readsPcmImagesAndRefusesTheRest) {
    const QByteArray stereo = wavImage(2, 44100, QByteArray(16, '\1'));
    QByteArray odd = wavImage(1, 22050, QByteArray(7, '\2')); // a trailing half frame
    QByteArray withList = stereo;
    withList.insert(36, QByteArray("LIST\3\0\0\0abc\0", 12)); // odd chunk, padded
    QByteArray adpcm = stereo;
    adpcm[20] = 2;
    QByteArray shortData = wavImage(1, 44100, QByteArray(100, '\0'));
    shortData.chop(50); // the header promises more than the image holds

    struct Case {
        const char* name;
        QByteArray image;
        bool valid;
        int channels, rate;
        qsizetype offset, size;
    };
    const Case cases[] = {
        {"stereo", stereo, true, 2, 44100, 44, 16},
        {"odd data length", odd, true, 1, 22050, 44, 6},
        {"extra chunk before data", withList, true, 2, 44100, 56, 16},
        {"data shorter than its header says", shortData, true, 1, 44100, 44, 50},
        {"four zero bytes", QByteArray(4, '\0'), false, 0, 0, 0, 0},
        {"empty", QByteArray(), false, 0, 0, 0, 0},
        {"header only to fmt", stereo.left(30), false, 0, 0, 0, 0},
        {"not PCM", adpcm, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto wav = readWavHeader(c.image);
        ASSERT_EQ(wav.has_value(), c.valid);
        if (!c.valid)
            continue;
        EXPECT_EQ(wav->channels, c.channels);
        EXPECT_EQ(wav->sampleRate, c.rate);
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_EQ(wav->dataOffset, c.offset);
        EXPECT_EQ(wav->dataSize, c.size);
    }
}

TEST(RecordingSoundOutput, keepsTheExactBytesAndTheStops) {
    platform::RecordingSoundOutput out;
    const QByteArray tone = toneImage(440, 0.01);
    platform::SoundOutput& sound = out;
    sound.stop(); // nothing plays: harmless
    sound.play(tone);
    EXPECT_TRUE(sound.isPlaying());
    sound.play(QByteArray(4, '\0')); // no image: ends the sound, plays nothing
    EXPECT_FALSE(sound.isPlaying());
    ASSERT_EQ(out.played.size(), 2u);
    EXPECT_EQ(out.played[0], tone);
    EXPECT_EQ(out.played[1], QByteArray(4, '\0'));
    EXPECT_EQ(out.stops, 1);
}

// Run in a child process whose sound server address leads nowhere.
TEST(AudioSinkOutput, withoutServerChild) {
    if (qEnvironmentVariable("KOMA_SOUND_CHILD") != "1")
        GTEST_SKIP() << "runs only as the child of withoutAServerPlaysNothingAndReturns";
    platform::AudioSinkOutput out;
    out.stop();
    out.play(toneImage(440, 0.5));
    QCoreApplication::processEvents();
    out.play(QByteArray(4, '\0'));
    out.stop();
    EXPECT_FALSE(out.isPlaying());
}

TEST(AudioSinkOutput, withoutAServerPlaysNothingAndReturns) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KOMA_SOUND_CHILD", "1");
    env.insert("PULSE_SERVER", "unix:/nonexistent/koma/native");
    env.insert("XDG_RUNTIME_DIR", QDir::tempPath() + "/koma-no-sound");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=AudioSinkOutput.withoutServerChild"});
    // A hang is a failure too: the child gets a generous but finite time.
    const bool finished = child.waitForFinished(30000);
    if (!finished)
        child.kill();
    ASSERT_TRUE(finished) << "no return without a sound server";
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}
