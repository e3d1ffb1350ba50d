#include "scale_file.h"

#include "code_page.h"
#include "numbers.h"
#include "scala_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace mirefa {

namespace {

// A scale of 32767 pitches with long comments stays far below this.
constexpr qint64 largestFile = 64 * 1024 * 1024;

QString number(int value) {
    return QString::fromStdString(runtime::numberToText(value));
}

bool isUtf8WithNonAscii(const QByteArray& bytes) {
    bool nonAscii = false;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    if (!nonAscii)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError() && !text.isEmpty();
}

/** The offending line as a message shows it: decoded, cut short, control characters as "?". */
QString quoted(const QString& line) {
    QString shown = line.left(60);
    for (QChar& c : shown)
        if (c.unicode() < 32)
            c = QLatin1Char('?');
    if (line.size() > 60)
        shown += QStringLiteral("...");
    return QStringLiteral("\"") + shown + QStringLiteral("\"");
}

QString reason(const ScalaProblem& p, const QString& text) {
    switch (p.fault) {
    case ScalaFault::NoDescription:
        return QStringLiteral("dosya, tanımlama satırından önce bitiyor.");
    case ScalaFault::NoCount:
        return QStringLiteral("dosya, perde sayısı satırından önce bitiyor.");
    case ScalaFault::CountNotWhole:
        return QStringLiteral("perde sayısı bir tam sayı değil: ") + quoted(text);
    case ScalaFault::CountNegative:
        return QStringLiteral("perde sayısı sıfırdan küçük olamaz: ") + quoted(text);
    case ScalaFault::CountTooLarge:
        return QStringLiteral("perde sayısı en çok 32767 olabilir: ") + quoted(text);
    case ScalaFault::TooFewPitches:
        return QStringLiteral("dosya %1 perde bekleniyorken %2 perdeden sonra bitiyor.")
            .arg(number(p.expected), number(p.found));
    case ScalaFault::PitchNotValue:
        return QStringLiteral("perde satırı ne sent ne de oran: ") + quoted(text);
    case ScalaFault::PitchNotPositive:
        return QStringLiteral("oranın payı ve paydası sıfırdan büyük olmalı: ") + quoted(text);
    case ScalaFault::PitchOutOfRange:
        return QStringLiteral("perde değeri hesaplanamayacak kadar büyük ya da küçük: ") +
               quoted(text);
    case ScalaFault::PitchCentsComma:
        return QStringLiteral("sent değeri virgülle değil, noktayla yazılmalı: ") + quoted(text);
    }
    return {};
}

/** "! name.scl" and "!name.scl" both give "name.scl": the "!" and one blank after it go. */
QString nameFromComment(const QString& line) {
    const bool blank =
        line.size() > 1 && (line[1] == QLatin1Char(' ') || line[1] == QLatin1Char('\t'));
    return line.mid(blank ? 2 : 1);
}

QString unusable(const QString& fileName, const QString& detail) {
    return QStringLiteral("\"%1\" dosyası dizi olarak okunamadı.\n%2\nÖnceki dizi olduğu gibi "
                          "kaldı.")
        .arg(fileName, detail);
}

} // namespace

ScaleLoad loadScaleBytes(const QByteArray& raw, const QString& fileName) {
    QByteArray bytes = raw;
    const bool utf8 = isUtf8WithNonAscii(bytes);
    if (utf8 && bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const auto decode = [utf8](const std::string& text) {
        const QByteArray b = QByteArray::fromStdString(text);
        return utf8 ? QString::fromUtf8(b) : platform::fromWindows1254(b);
    };

    ScaleLoad load;
    const auto read = readScala(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto* problem = std::get_if<ScalaProblem>(&read)) {
        const QString where = QStringLiteral("Satır %1: ").arg(number(problem->line));
        load.message = unusable(fileName, where + reason(*problem, decode(problem->text)));
        return load;
    }
    const ScalaFile& file = std::get<ScalaFile>(read);
    LoadedScale scale;
    scale.name = file.firstLineIsComment ? nameFromComment(decode(file.firstLine)) : fileName;
    scale.description = decode(file.description);
    scale.eleman_sayisi = file.eleman_sayisi;
    scale.dizi_eleman.reserve(file.dizi_eleman.size());
    for (const std::string& line : file.dizi_eleman)
        scale.dizi_eleman.push_back(decode(line).toStdString());
    load.scale = std::move(scale);
    return load;
}

ScaleLoad loadScaleFile(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    ScaleLoad load;
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        load.message = unusable(fileName, QStringLiteral("Dosya açılamadı."));
        return load;
    }
    if (file.size() > largestFile) {
        load.message = unusable(fileName, QStringLiteral("Dosya bir dizi dosyası olamayacak "
                                                         "kadar büyük."));
        return load;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        load.message = unusable(fileName, QStringLiteral("Dosya okunamadı."));
        return load;
    }
    return loadScaleBytes(bytes, fileName);
}

} // namespace mirefa
