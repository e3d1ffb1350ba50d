#pragma once
// The fret calculator window: the instrument's geometry on the left, the
// scale and one fret's readouts on the right, the side view along the bottom.

#include "fret_exports.h"
#include "fret_search.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace platform {
class PictureBox;
}

namespace mirefa {

class Form1 : public QWidget {
    Q_OBJECT
public:
    /** Asks for a file to open; an empty text means the user cancelled. */
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& title, const QString& filter)>;

    /**
     * The window; without choosers, Qt dialogs ask for the file to open, the
     * file to save an export to and the paper to print on.
     */
    explicit Form1(FileChooser chooseFile = {}, FretExports::SaveChooser chooseSaveFile = {},
                   FretExports::PaperChooser choosePaper = {}, QWidget* parent = nullptr);

    static const QString dialogTitle;
    static const QString dialogFilter;

    /**
     * The geometry step: reads the four geometry boxes, shows the open-string
     * length and redraws the base picture. False, and nothing changed, when a
     * box cannot be used.
     */
    bool C_hesapla_Click();

    /** Loads a scale chosen in the file dialog and shows its frets. */
    void C_dizi_ac_Click();

    /**
     * Loads the scale at path as the open button does, with the same checks
     * and messages, without asking for it: a file named at start or dropped
     * on the window.
     */
    void openScale(const QString& path);

    /** Recomputes every fret from the stored pitch lines and shows fret 1. */
    void GosterSonuclari();

    /** Shows the fret that the scroll bar names. */
    void HS_kaydirma_Change();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool geometryAllowsOpening();
    void loadScale(const QString& path);
    void buildControls();
    void geometryEdited();
    void toggleFromLabel(QCheckBox* box);
    QString geometryProblem(GeometryBox box) const;
    void showGeometryFaults(const GeometryReading& reading);
    static QString geometryFaultTip(GeometryBox box, GeometryFault fault, const QString& typed);

    FileChooser m_chooseFile;
    QString m_lastFolder;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* T_x_sap = nullptr;
    QLineEdit* T_hesik_sap = nullptr;
    QLineEdit* T_hesik_govde = nullptr;
    QLineEdit* T_hperde = nullptr;
    QLineEdit* T_x_telbos = nullptr;
    QPushButton* C_hesapla = nullptr;
    QCheckBox* Ch_opt_ciz_sapesik = nullptr;
    QCheckBox* Ch_opt_ciz_bostel = nullptr;
    QPushButton* C_dizi_ac = nullptr;
    QLineEdit* T_dizidosyasi_dosyaadi = nullptr;
    QPlainTextEdit* T_dizidosyasi_aciklama = nullptr;
    QLineEdit* T_dizi_eleman = nullptr;
    QLineEdit* T_perde_oran = nullptr;
    QScrollBar* HS_kaydirma = nullptr;
    QLineEdit* T_dizi_eleman_no = nullptr;
    QLineEdit* txbUzEsik = nullptr;
    QLineEdit* txbUzKopru = nullptr;
    QCheckBox* Ch_opt_ciz_gorperde = nullptr;
    QCheckBox* Ch_opt_ciz_tumperde = nullptr;
    platform::PictureBox* P_grafik = nullptr;
    FretExports* m_exports = nullptr;

    // The geometry of the last geometry step that could read the boxes.
    Geometry m_geometry;

    // The scale: absent until the first load.
    bool m_scaleLoaded = false;
    int eleman_sayisi = 0;
    std::vector<std::string> dizi_eleman;
    std::vector<double> perde_oran;
    std::vector<std::optional<double>> perde_kopru;
};

} // namespace mirefa
