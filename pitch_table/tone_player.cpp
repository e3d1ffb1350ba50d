#include "tone_player.h"

#include "tone.h"

namespace pitch_table {

void TonePlayer::PlayTone(std::int16_t index, std::int32_t frames, const PitchTable& table) {
    const float frequency = table.at(index).frequency;
    // The output may still read the old image: stop it before replacing it.
    m_output.stop();
    m_image = QByteArray::fromStdString(pitch_table::toneImage(frequency, frames));
    m_output.play(m_image);
}

} // namespace pitch_table
