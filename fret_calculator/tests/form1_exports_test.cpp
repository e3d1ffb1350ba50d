#include "form1.h"

#include "fret_table.h"
#include "message_box.h"
#include "numbers.h"
#include "picture_box.h"
#include "separator.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

using mirefa::FretExports;
using mirefa::Paper;

QString fixture(const char* name) {
    return QStringLiteral(KOMA_TEST_DATA_DIR "/") + QString::fromUtf8(name);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Reachable frets, one unreachable (far above what the thresholds allow), one
// behind the nut, and a pitch line with blanks around it.
const char mixedScale[] = "! mixed.scl\n!\nReachable, unreachable and behind the nut\n 5\n!\n"
                          " 9/8 \n1000/1\n1/2\n3/2\n2/1\n";

class ExportsTest : public ::testing::Test {
protected:
    ExportsTest()
        : window([this](QWidget*, const QString&, const QString&) { return nextScale; },
                 [this](QWidget*, const QString& title, const QString& filter,
                        const QString& suggested) {
                     ++saveDialogs;
                     lastTitle = title;
                     lastFilter = filter;
                     lastSuggested = suggested;
                     return nextSave;
                 },
                 [this](QWidget*) {
                     ++paperQuestions;
                     return nextPaper;
                 }) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QFile mixed(dir.filePath(QStringLiteral("mixed.scl")));
        EXPECT_TRUE(mixed.open(QIODevice::WriteOnly));
        mixed.write(mixedScale);
    }

    template <typename T> T* child(const char* name) {
        T* w = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QAction* action(const char* name) { return child<QAction>(name); }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    QScrollBar* bar() { return child<QScrollBar>("HS_kaydirma"); }

    void load(const QString& path) {
        nextScale = path;
        QTest::mouseClick(child<QPushButton>("C_dizi_ac"), Qt::LeftButton);
    }
    void retype(const char* name, const QString& typed) {
        auto* edit = child<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }
    /** Presses a shortcut where the focus is, as a user would. */
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window, key, modifiers);
    }

    /** Every fret as the readouts show it: the distance from the nut, or nothing. */
    struct Readout {
        QString pitch, ratio, fromNut, fromBridge;
    };
    std::vector<Readout> readouts() {
        std::vector<Readout> shown;
        for (int v = 1; v <= bar()->maximum(); ++v) {
            bar()->setValue(v);
            shown.push_back({text("T_dizi_eleman"), text("T_perde_oran"), text("txbUzEsik"),
                             text("txbUzKopru")});
        }
        return shown;
    }

    QTemporaryDir dir;
    QString nextScale;
    QString nextSave;
    std::optional<Paper> nextPaper = Paper::a4;
    int saveDialogs = 0;
    int paperQuestions = 0;
    QString lastTitle, lastFilter, lastSuggested;
    mirefa::Form1 window;
};

TEST_F(ExportsTest, ActionsInTheNeckPicturesMenuOnceAScaleHasPitches) {
    auto* picture = child<platform::PictureBox>("P_grafik");
    EXPECT_EQ(picture->contextMenuPolicy(), Qt::ActionsContextMenu);
    struct Case {
        const char* name;
        const char* caption;
        QKeySequence keys;
    };
    const Case cases[] = {
        {"actionExportCsv", "Perde Konumlarını CSV Olarak Kaydet...", QKeySequence("Ctrl+E")},
        {"actionExportSvg", "Perde Şablonunu SVG Olarak Kaydet...", QKeySequence("Ctrl+Shift+S")},
        {"actionPrint", "Perde Şablonunu Yazdır (PDF)...", QKeySequence("Ctrl+P")},
    };
    const auto enabled = [&](bool expected) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(action(c.name)->isEnabled(), expected);
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QAction* a = action(c.name);
        EXPECT_EQ(a->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(a->shortcut(), c.keys);
        EXPECT_TRUE(picture->actions().contains(a));
    }
    enabled(false);
    press(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(saveDialogs, 0) << "nothing to export before a scale";
    load(fixture("a.scl"));
    enabled(true);
    load(fixture("zero_pitches.scl"));
    enabled(false);
    load(fixture("a.scl"));
    enabled(true);
}

TEST_F(ExportsTest, CsvMatchesTheReadoutsRowForRow) {
    load(dir.filePath(QStringLiteral("mixed.scl")));
    retype("T_x_sap", runtime::testing::localised("647.5").c_str());
    child<QLineEdit>("T_x_sap")->setFocus();
    nextSave = dir.filePath(QStringLiteral("frets.csv"));
    press(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_EQ(lastTitle, QStringLiteral("Perde Konumlarını Kaydet"));
    EXPECT_EQ(lastFilter, QStringLiteral("CSV Dosyası (*.csv)"));
    EXPECT_EQ(lastSuggested, QStringLiteral("mixed.csv"));

    const QStringList lines =
        QString::fromUtf8(contents(nextSave)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const std::vector<Readout> shown = readouts();
    ASSERT_EQ(lines.size(), qsizetype(shown.size()) + 1);
    EXPECT_EQ(lines[0], QStringLiteral(
                            "No,Dizi Elemanı,Perde Oranı,Eşiğe Uzaklık (mm),Köprüye Uzaklık (mm)"));
    // The readouts' numbers with six decimals and a point; no distance where they show none.
    const auto asFile = [](const QString& readout) {
        const std::string t = readout.toStdString();
        if (t == "ulaşılamaz")
            return QString();
        return QString::fromStdString(mirefa::fileDecimals(runtime::readReal(t)));
    };
    for (std::size_t k = 0; k < shown.size(); ++k) {
        SCOPED_TRACE(k + 1);
        const Readout& r = shown[k];
        QString pitch = r.pitch;
        if (pitch != pitch.trimmed())
            pitch = '"' + pitch + '"';
        const QString ratio =
            QString::fromStdString(mirefa::fileNumber(runtime::readReal(r.ratio.toStdString())));
        EXPECT_EQ(lines[qsizetype(k) + 1], QString::number(k + 1) + ',' + pitch + ',' + ratio +
                                               ',' + asFile(r.fromNut) + ',' +
                                               asFile(r.fromBridge));
    }
    EXPECT_TRUE(lines[2].endsWith(",,")) << "1000/1 cannot be reached";
}

/** The fret lines of an SVG by number, their x, and the drawing's size as written. */
struct SvgFrets {
    std::map<int, double> x;
    QString width, height, viewBox;
};

SvgFrets svgFrets(const QByteArray& svg) {
    SvgFrets found;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            found.width = a.value("width").toString();
            found.height = a.value("height").toString();
            found.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("line") &&
                   a.value("class") == QLatin1String("fret")) {
            EXPECT_EQ(a.value("x1"), a.value("x2"));
            found.x[a.value("id").mid(5).toInt()] = a.value("x1").toDouble();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return found;
}

TEST_F(ExportsTest, SvgFretLinesStandAtTheReadoutsDistances) {
    load(dir.filePath(QStringLiteral("mixed.scl")));
    nextSave = dir.filePath(QStringLiteral("template.svg"));
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(lastTitle, QStringLiteral("Perde Şablonunu Kaydet"));
    EXPECT_EQ(lastFilter, QStringLiteral("SVG Çizimi (*.svg)"));
    const SvgFrets svg = svgFrets(contents(nextSave));
    EXPECT_TRUE(svg.width.endsWith(QStringLiteral("mm")));
    EXPECT_TRUE(svg.height.endsWith(QStringLiteral("mm")));
    const QStringList box = svg.viewBox.split(' ');
    ASSERT_EQ(box.size(), 4);
    EXPECT_EQ(box[2] + "mm", svg.width);
    EXPECT_EQ(box[3] + "mm", svg.height);

    std::map<int, double> expected;
    const std::vector<Readout> shown = readouts();
    for (std::size_t k = 0; k < shown.size(); ++k) {
        if (shown[k].fromNut == QStringLiteral("ulaşılamaz"))
            continue;
        const double fromNut = runtime::readReal(shown[k].fromNut.toStdString());
        if (fromNut >= 0) // behind the nut is off the neck, as in the picture
            expected[int(k) + 1] = fromNut;
    }
    ASSERT_EQ(expected.size(), 3u);
    ASSERT_EQ(svg.x.size(), expected.size());
    for (const auto& [fret, x] : expected) {
        SCOPED_TRACE(fret);
        ASSERT_TRUE(svg.x.contains(fret));
        EXPECT_NEAR(svg.x.at(fret), x, 0.001);
    }
}

struct PdfPages {
    int count = 0;
    QList<QSizeF> sizes; // in points, from each /MediaBox
};

PdfPages pdfPages(const QByteArray& pdf) {
    PdfPages found;
    const QString text = QString::fromLatin1(pdf);
    found.count = int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
    QRegularExpression box(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    for (auto it = box.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        found.sizes << QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                              m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return found;
}

TEST_F(ExportsTest, PdfHasTheChosenPaperAndAPageForEachPartOfTheNeck) {
    load(fixture("a.scl"));
    struct Case {
        const char* name;
        Paper paper;
        const char* neck;
        int pages;
        QSizeF points; // the page laid sideways
    };
    const Case cases[] = {
        {"a metre on A4", Paper::a4, "1000", 4, {841.89, 595.28}},
        {"a metre on Letter", Paper::letter, "1000", 5, {792, 612}},
        {"a short neck on one page", Paper::a4, "200", 1, {841.89, 595.28}},
        {"a neck just too long for one page", Paper::a4, "260", 2, {841.89, 595.28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        retype("T_x_sap", QString::fromUtf8(c.neck));
        nextPaper = c.paper;
        nextSave = dir.filePath(QString::fromUtf8(c.name) + ".pdf");
        press(Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(lastTitle, QStringLiteral("Perde Şablonunu Yazdır (PDF)"));
        EXPECT_EQ(lastFilter, QStringLiteral("PDF Belgesi (*.pdf)"));
        const QByteArray pdf = contents(nextSave);
        ASSERT_TRUE(pdf.startsWith("%PDF-"));
        const PdfPages pages = pdfPages(pdf);
        EXPECT_EQ(pages.count, c.pages);
        ASSERT_FALSE(pages.sizes.isEmpty());
        for (const QSizeF& size : pages.sizes) {
            EXPECT_NEAR(size.width(), c.points.width(), 0.5);
            EXPECT_NEAR(size.height(), c.points.height(), 0.5);
        }
    }
}

TEST_F(ExportsTest, CancelAsksNoFurther) {
    load(fixture("a.scl"));
    platform::MessageRecorder recorder;
    nextPaper.reset();
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(paperQuestions, 1);
    EXPECT_EQ(saveDialogs, 0);
    nextSave.clear();
    for (QAction* a : {action("actionExportCsv"), action("actionExportSvg")})
        a->trigger();
    EXPECT_EQ(saveDialogs, 2);
    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"mixed.scl"});
}

TEST_F(ExportsTest, NeckTooLongToPrintIsRefusedBeforeTheDialog) {
    load(fixture("a.scl"));
    retype("T_x_sap", QStringLiteral("100000"));
    platform::MessageRecorder recorder;
    action("actionPrint")->trigger();
    EXPECT_EQ(saveDialogs, 0);
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_EQ(recorder.messages[0], QStringLiteral("Şablon bu kâğıtta 375 sayfa tutuyor; en çok "
                                                   "200 sayfa yazdırılır.\nSap uzunluğunu "
                                                   "denetleyin."));
}

TEST_F(ExportsTest, FailedSaveNamesTheFileAndLeavesNothingHalfWritten) {
    load(fixture("a.scl"));
    const QString folder = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(folder + "/inside"));
    struct Case {
        const char* name;
        QString path;
        const char* reason;
    };
    const Case cases[] = {
        {"no such folder", dir.filePath(QStringLiteral("missing/frets.csv")), "klasör yok"},
        {"a folder by that name", folder, "bu ad bir klasörün"},
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const char* name : {"actionExportCsv", "actionExportSvg", "actionPrint"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(name) + ", " + c.name);
            platform::MessageRecorder recorder;
            nextSave = c.path;
            action(name)->trigger();
            ASSERT_EQ(recorder.messages.size(), 1);
            EXPECT_EQ(recorder.messages[0],
                      QStringLiteral("\"%1\" dosyası kaydedilemedi: %2.\nVarsa önceki dosya "
                                     "olduğu gibi duruyor.")
                          .arg(QDir::toNativeSeparators(c.path), QString::fromUtf8(c.reason)));
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
            EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                      QStringList{"inside"});
        }
    }
}

TEST_F(ExportsTest, SavingOverAFileReplacesItWhole) {
    load(fixture("a.scl"));
    nextSave = dir.filePath(QStringLiteral("frets.csv"));
    {
        QFile old(nextSave);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    action("actionExportCsv")->trigger();
    const QByteArray csv = contents(nextSave);
    EXPECT_TRUE(csv.startsWith("No,"));
    EXPECT_FALSE(csv.contains('x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"frets.csv", "mixed.scl"}));
}

} // namespace
