#pragma once
// The window's exports: the fret table as CSV, the fret template as SVG and
// printed as PDF pages. Each is an action in the context menu of the neck
// picture, with a shortcut on the window.

#include "fret_table.h"
#include "page_plan.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QWidget;

namespace mirefa {

class FretExports : public QObject {
    Q_OBJECT
public:
    /**
     * Asks where to save; suggested is a file name to start from. An empty
     * text means the user cancelled.
     */
    using SaveChooser = std::function<QString(QWidget* parent, const QString& title,
                                              const QString& filter, const QString& suggested)>;
    /** Asks for the paper to print on; nothing means the user cancelled. */
    using PaperChooser = std::function<std::optional<Paper>(QWidget* parent)>;

    /** The frets as the readouts show them, the geometry they stand on and the scale's name. */
    struct Frets {
        std::vector<FretRow> rows;
        Geometry geometry;
        QString name;
    };
    using FretSource = std::function<Frets()>;

    /**
     * The three actions, disabled until setAvailable(true), in the context menu
     * of `picture` and shortcuts in its window. Without choosers, Qt dialogs ask.
     */
    FretExports(QWidget* picture, FretSource frets, SaveChooser chooseSaveFile = {},
                PaperChooser choosePaper = {});

    /** Enables the actions while there is a scale with pitches to export. */
    void setAvailable(bool available);

    static const QString csvTitle;
    static const QString svgTitle;
    static const QString pdfTitle;

    /** More pages than this are not printed: a neck that needs them is surely a typing slip. */
    static constexpr int maxPages = 200;

private:
    void exportCsv();
    void exportSvg();
    void print();
    QString askPath(const QString& title, const QString& filter, const QString& extension,
                    const QString& name);
    bool save(const QString& path, const std::function<void(QIODevice&)>& write);

    QWidget* m_picture;
    FretSource m_frets;
    SaveChooser m_chooseSaveFile;
    PaperChooser m_choosePaper;
    QString m_lastFolder;
    std::vector<QAction*> m_actions;
};

} // namespace mirefa
