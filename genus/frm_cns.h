#pragma once
// frmCns, the genus window: the settings, the strip of interval columns, the
// list of genera and the player, in Turkish or English; a genus and the whole
// list can be saved from the list's context menu.

#include "captions.h"
#include "columns.h"
#include "computation_progress.h"
#include "genus_engine.h"
#include "genus_list_model.h"
#include "mod_wav.h"
#include "player.h"
#include "sound_output.h"
#include "symbols.h"
#include "tone.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace genus {

class ColumnStrip;
class GenusListView;

/**
 * Where the WAV files go: the program's folder, or the user's data folder
 * (created when missing) when the program may not write there or is
 * installed (its folder is a "bin").
 */
QString wavFolderFor(const QString& programFolder);

class FrmCns : public QWidget {
    Q_OBJECT
public:
    /** sound: where the tones go; nullptr for the desktop's sound output. */
    explicit FrmCns(platform::SoundOutput* sound = nullptr, QWidget* parent = nullptr);
    ~FrmCns() override;

    /** The folder the WAV files are written to. */
    QString wavFolder() const { return m_wavFolder; }
    void setWavFolder(const QString& folder) { m_wavFolder = folder; }

    /** Replaces the system beep (for tests). */
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    /**
     * Asks where to save a file: the dialog's title, the suggested path and the
     * filter; returns the chosen path, or an empty text when the user cancelled.
     */
    using SaveChooser = std::function<QString(QWidget* parent, const QString& title,
                                              const QString& suggested, const QString& filter)>;

    /** Replaces the save dialog (for tests). */
    void setSaveChooser(SaveChooser chooser) { m_chooseSave = std::move(chooser); }

    /** Replaces the progress dialog of long computations (for tests); the window does not own it.
     */
    void setProgress(ComputationProgress* progress) { m_progress = progress; }

    /** Sequences tested before a computation shows its progress. */
    void setProgressThreshold(double sequences) { m_progressThreshold = sequences; }

    /** The most lines a computation may list. */
    void setGenusLimit(std::size_t lines) { m_genusLimit = lines; }

    // The state the player and the engine keep, for a look from outside.
    std::int16_t lastIndex() const { return m_lastIndex; }
    std::int64_t genusCount() const { return m_genusCount; }
    const GenusPlayer& player() const { return m_player; }
    const ToneSynth& tone() const { return m_tone; }

public slots:
    /** A tick of Tmr: the next pitch of the genus, or the end of it. */
    void Tmr_Timer();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStrip();
    void buildSettings();
    void buildListAndButtons();
    void setTabOrder();

    void sbSifirla();
    void sbSifirla2();
    std::optional<std::vector<Column>> planColumns();
    void sbOlustur(const std::vector<Column>& columns);

    void cmdBslClick();
    void cmdHspClick();
    void playAction();
    void Cal();
    void chbNilClick();
    void envelopeSetup();
    void switchLanguage(int index);
    void showWhyEmpty();
    void buildSaveActions();
    void updateSaveActions();
    void saveScl();
    void saveList();
    void saveBytes(const QString& title, const QString& suggested, const QString& filter,
                   const std::function<std::string(const QString& fileName)>& bytes);

    SymbolSystem symbolSystem() const;
    int outerWidthTwips() const;
    bool settingIsNumber(QLineEdit* box, QLabel* label);

    platform::SoundOutput* m_sound = nullptr;
    std::unique_ptr<platform::SoundOutput> m_ownSound;
    QString m_wavFolder;
    std::function<void()> m_beep;
    SaveChooser m_chooseSave;
    QString m_saveFolder;
    std::unique_ptr<ComputationProgress> m_ownProgress;
    ComputationProgress* m_progress = nullptr;
    double m_progressThreshold = 20e6;
    std::size_t m_genusLimit = 10'000'000;
    Language m_language = Language::Turkish;
    /** Why the last computation listed nothing; painted over the empty list. */
    enum class Empty { None, SpanNotANumber, LimitNotANumber, SpanNotWhole, NothingFits };
    Empty m_whyEmpty = Empty::None;

    // Engine and player state.
    std::int16_t m_lastIndex = 0;
    std::int64_t m_genusCount = 0;
    GenusPlayer m_player;
    ToneSynth m_tone;
    ByteBuffer m_wavData;
    QString m_durationInForce;

    ColumnStrip* m_strip = nullptr; ///< pcbDis

    // Settings, list and buttons.
    QLineEdit* txbMin = nullptr;
    QLineEdit* txbMax = nullptr;
    QListWidget* lsbAr = nullptr;
    QLineEdit* txbYsk = nullptr;
    QLineEdit* txbAra = nullptr;
    QLineEdit* txbKrr = nullptr;
    QLineEdit* txbSre = nullptr;
    QLabel* lMin = nullptr;
    QLabel* lMax = nullptr;
    QLabel* lArt = nullptr;
    std::vector<QRadioButton*> opbSmg;
    std::vector<QCheckBox*> chb_nil;
    std::vector<QRadioButton*> obpDil;
    QGroupBox* Fme = nullptr;
    QPushButton* cmdBsl = nullptr;
    QPushButton* cmdHsp = nullptr;
    QPushButton* cmdCal = nullptr;
    QCheckBox* chbYaz = nullptr;
    GenusListView* lsbSnc = nullptr;
    GenusListModel* m_model = nullptr;
    QTimer* Tmr = nullptr;
    QAction* actionSaveScl = nullptr;
    QAction* actionSaveList = nullptr;
};

} // namespace genus
