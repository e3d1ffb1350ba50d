#pragma once
// The calculator window: two pitches on sliders with their readouts, their
// distance and ratio, and the list of fractions near their ratio or near a
// typed fraction.

#include "fraction_search.h"
#include "pitch.h"
#include "save_dialog.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace platform {
class PictureBox;
}

namespace bexaro {

class Form1 : public QWidget {
    Q_OBJECT
public:
    /** Asks for a file to save to; an empty text means the user cancelled. */
    using FileChooser = platform::SaveChooser;

    /** The window; without a chooser, a Qt file-save dialog asks for the file. */
    explicit Form1(FileChooser chooseSaveFile = {}, QWidget* parent = nullptr);

    /** The rows of the last search. */
    const Sonuclar& results() const { return sonuclar; }

private:
    struct PitchFrame {
        QGroupBox* Frame1;
        QLabel* sapma1;
        QLabel* Herz1;
        QLabel* midicent1;
        QLabel* midino1;
        QLabel* midikey1;
        QLabel* pianocent1;
        QLabel* pianono1;
        QLabel* pianokey1;
        QScrollBar* HScroll1;
        QScrollBar* HScroll2;
    };

    void buildPitchFrame(int i);
    void buildResultsFrame();
    void setTabOrder();
    void Form_Load();

    void HScroll1_Change(int i);
    void HScroll2_Change(int i);
    void yenile(int i);
    void kesirbul_Click();
    void oranla_Click();
    void listeyaz(std::size_t count);
    void VScroll1_Change();
    void Command1_Click();
    void printRows(std::size_t first, std::size_t last);
    void printItem(int column, const QString& item);
    void buildListActions();
    void copyRows();
    void saveRows();

    std::array<PitchFrame, 2> m_frames{};
    QPushButton* Command1 = nullptr;
    QLabel* centfark = nullptr;
    QLabel* reeloran = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* oranla = nullptr;
    QLineEdit* kesir_kutusu = nullptr;
    QLabel* reoran = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* kesirbul = nullptr;
    platform::PictureBox* Picture1 = nullptr;
    QScrollBar* VScroll1 = nullptr;

    Notalar notalar;
    float centadim = 0;
    float bazfrekans = 0;
    std::array<float, 3> midicent{};
    std::array<std::int16_t, 3> midino{};
    std::array<float, 3> herz{};
    float sesoran = 0;
    Sonuclar sonuclar;

    FileChooser m_chooseSaveFile;
    QAction* actionCopyRows = nullptr;
    QAction* actionSaveRows = nullptr;
};

} // namespace bexaro
