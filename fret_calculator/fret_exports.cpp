#include "fret_exports.h"

#include "fret_csv.h"
#include "fret_template.h"
#include "fret_template_svg.h"
#include "message_box.h"
#include "numbers.h"
#include "save_dialog.h"
#include "template_pdf.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QSaveFile>
#include <QWidget>

namespace mirefa {

const QString FretExports::csvTitle = QStringLiteral("Perde Konumlarını Kaydet");
const QString FretExports::svgTitle = QStringLiteral("Perde Şablonunu Kaydet");
const QString FretExports::pdfTitle = QStringLiteral("Perde Şablonunu Yazdır (PDF)");

namespace {

std::optional<Paper> askedPaper(QWidget* parent) {
    const QStringList papers = {QStringLiteral("A4 (210 × 297 mm)"),
                                QStringLiteral("Letter (216 × 279 mm)")};
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, QStringLiteral("Kâğıt Boyutu"),
                                                 QStringLiteral("Şablon hangi kâğıda yazdırılsın?"),
                                                 papers, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    return chosen == papers[1] ? Paper::letter : Paper::a4;
}

/** Why a file could not be saved, in words a user can act on. */
QString failureReason(const QString& path, const QSaveFile& file) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("klasör yok");
    if (target.isDir())
        return QStringLiteral("bu ad bir klasörün");
    if (!folder.isWritable())
        return QStringLiteral("klasöre yazma izni yok");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("dosya salt okunur");
    return file.errorString();
}

} // namespace

FretExports::FretExports(QWidget* picture, FretSource frets, SaveChooser chooseSaveFile,
                         PaperChooser choosePaper)
    : QObject(picture)
    , m_picture(picture)
    , m_frets(std::move(frets))
    , m_chooseSaveFile(std::move(chooseSaveFile))
    , m_choosePaper(std::move(choosePaper)) {
    if (!m_chooseSaveFile)
        m_chooseSaveFile = [](QWidget* parent, const QString& title, const QString& filter,
                              const QString& suggested) {
            return platform::askSaveFile(parent, title, filter, suggested,
                                         QFileInfo(suggested).suffix());
        };
    if (!m_choosePaper)
        m_choosePaper = askedPaper;

    const auto action = [&](const char* name, const QString& caption, const QKeySequence& keys,
                            void (FretExports::*run)()) {
        auto* a = new QAction(caption, picture);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, run);
        picture->addAction(a);
        m_actions.push_back(a);
    };
    action("actionExportCsv", QStringLiteral("Perde Konumlarını CSV Olarak Kaydet..."),
           QKeySequence(Qt::CTRL | Qt::Key_E), &FretExports::exportCsv);
    action("actionExportSvg", QStringLiteral("Perde Şablonunu SVG Olarak Kaydet..."),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &FretExports::exportSvg);
    action("actionPrint", QStringLiteral("Perde Şablonunu Yazdır (PDF)..."),
           QKeySequence(Qt::CTRL | Qt::Key_P), &FretExports::print);
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void FretExports::setAvailable(bool available) {
    for (QAction* a : m_actions)
        a->setEnabled(available);
}

QString FretExports::askPath(const QString& title, const QString& filter, const QString& extension,
                             const QString& name) {
    QString base = QFileInfo(name).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("perdeler");
    const QString file = base + QLatin1Char('.') + extension;
    const QString path =
        m_chooseSaveFile(m_picture->window(), title, filter,
                         m_lastFolder.isEmpty() ? file : QDir(m_lastFolder).filePath(file));
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

bool FretExports::save(const QString& path, const std::function<void(QIODevice&)>& write) {
    // The old file stays whole until the new one is complete.
    QSaveFile file(path);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        write(file);
        saved = file.commit();
    }
    if (!saved)
        platform::showMessage(m_picture->window(),
                              QStringLiteral("\"%1\" dosyası kaydedilemedi: %2.\nVarsa önceki "
                                             "dosya olduğu gibi duruyor.")
                                  .arg(QDir::toNativeSeparators(path), failureReason(path, file)));
    return saved;
}

void FretExports::exportCsv() {
    const Frets frets = m_frets();
    const QString path =
        askPath(csvTitle, QStringLiteral("CSV Dosyası (*.csv)"), QStringLiteral("csv"), frets.name);
    if (path.isEmpty())
        return;
    const std::string csv = fretTableCsv(frets.rows);
    save(path, [&](QIODevice& out) { out.write(csv.data(), static_cast<qint64>(csv.size())); });
}

void FretExports::exportSvg() {
    const Frets frets = m_frets();
    const QString path =
        askPath(svgTitle, QStringLiteral("SVG Çizimi (*.svg)"), QStringLiteral("svg"), frets.name);
    if (path.isEmpty())
        return;
    const std::string svg = fretTemplateSvg(frets.rows, frets.geometry, frets.name.toStdString());
    save(path, [&](QIODevice& out) { out.write(svg.data(), static_cast<qint64>(svg.size())); });
}

void FretExports::print() {
    const Frets frets = m_frets();
    const std::optional<Paper> paper = m_choosePaper(m_picture->window());
    if (!paper)
        return;
    const FretTemplate drawing = fretTemplate(frets.rows, frets.geometry, frets.name.toStdString());
    const MmRect room = drawingRoom(*paper);
    const double pages = pageGrid(drawing.extent, room.width, room.height, printOverlap).pages();
    if (!(pages <= maxPages)) {
        platform::showMessage(
            m_picture->window(),
            QStringLiteral("Şablon bu kâğıtta %1 sayfa tutuyor; en çok %2 sayfa yazdırılır.\nSap "
                           "uzunluğunu denetleyin.")
                .arg(QString::fromStdString(runtime::numberToText(pages)),
                     QString::fromStdString(runtime::numberToText(maxPages))));
        return;
    }
    const QString path =
        askPath(pdfTitle, QStringLiteral("PDF Belgesi (*.pdf)"), QStringLiteral("pdf"), frets.name);
    if (path.isEmpty())
        return;
    save(path, [&](QIODevice& out) { writeTemplatePdf(out, drawing, *paper, frets.name); });
}

} // namespace mirefa
