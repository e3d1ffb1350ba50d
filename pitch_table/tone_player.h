#pragma once
// Plays the tone of a pitch through the desktop's sound output; the image
// stays with the player while it sounds.

#include "pitch_record.h"
#include "sound_output.h"

#include <QByteArray>

#include <cstdint>

namespace pitch_table {

class TonePlayer {
public:
    explicit TonePlayer(platform::SoundOutput& output)
        : m_output(output) {}

    /**
     * Stops what plays, builds the image of `frames` frames for record index
     * and starts it; returns at once. std::out_of_range outside 1..229.
     */
    void PlayTone(std::int16_t index, std::int32_t frames, const PitchTable& table);
    /** Ends the tone; nothing happens when none plays. */
    void stop() { m_output.stop(); }
    /** The last image built, empty before the first tone. */
    const QByteArray& toneImage() const { return m_image; }

private:
    platform::SoundOutput& m_output;
    QByteArray m_image;
};

} // namespace pitch_table
