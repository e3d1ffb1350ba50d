#pragma once
// Ruvizezo's window: the spiral of the pitch table, the readout of the pitch
// under the pointer with its notes on a staff, the tonic list and the tone.

#include "picture_box.h"
#include "pitch_record.h"
#include "save_dialog.h"
#include "sound_output.h"
#include "tone_player.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QScrollBar;

namespace pitch_table {

/** Where the program finds arel.dat: beside itself, else in share/ruvizezo of its prefix. */
QString defaultDataFile();

class Form1 : public QWidget {
    Q_OBJECT
public:
    /** Asks for a file to save to; an empty text means the user cancelled. */
    using FileChooser = platform::SaveChooser;

    /**
     * Runs the start-up: loads the table from dataFile and draws the spiral
     * and the empty staff. When the file cannot be read the message is shown
     * and loaded() is false: the program ends. A short file or one with bad
     * frequencies gives one message and loads; those pitches stay silent.
     * Without a sound output the desktop's is used; without a chooser, a Qt
     * file-save dialog asks where to save.
     */
    explicit Form1(const QString& dataFile = defaultDataFile(),
                   platform::SoundOutput* sound = nullptr, FileChooser chooseSaveFile = {},
                   QWidget* parent = nullptr);
    ~Form1() override;

    bool loaded() const { return m_loaded; }
    std::int16_t currentIndex() const { return m_currentIndex; }
    std::int16_t toneSeconds() const { return m_toneSeconds; }
    const PitchTable& pitchTable() const { return m_pitchTable; }

private:
    bool TabloOkuDat(const QString& dataFile);
    void spiral1();
    int tonic() const;
    void pointerReadout(double x, double y);
    void placeFrame(double y);
    void play();
    void showLengthIn(QLabel* label);
    void saveScl();

    std::unique_ptr<platform::SoundOutput> m_ownSound;
    platform::SoundOutput* m_sound;
    TonePlayer m_player;
    PitchTable m_pitchTable;
    std::int16_t m_currentIndex = 0;
    std::int16_t m_toneSeconds = 1;
    bool m_loaded = false;
    FileChooser m_chooseSaveFile;
    QAction* actionSaveScl;

    platform::PictureBox* Picture1;
    platform::PictureBox* Picture2;
    platform::PictureBox* Picture3;
    platform::PictureBox* Picture4;
    QListWidget* List1;
    QScrollBar* HScroll1;
    QLabel* Label11;
    QFrame* Frame1;
    QLabel* Label[7];
};

} // namespace pitch_table
