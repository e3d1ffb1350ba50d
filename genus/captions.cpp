#include "captions.h"

#include "columns.h"
#include "numbers.h"
#include "player.h"

#include <array>

namespace genus {

namespace {

const std::array<Caption, 20> captions = {{
    {"", "Quenlo", "Quenlo"},
    {"lKma", "Koma:", "Comma:"},
    {"lSmg", "Simge:", "Symbol:"},
    {"lVar", "Var:", "Include:"},
    {"lADg", "Aralık Değerleri (Koma)", "Interval Values (Comma)"},
    {"lMin", "En Küçük Aralık:", "Minimum Interval:"},
    {"lMax", "En Büyük Aralık:", "Maximum Interval:"},
    {"lArt", "Artım Aralığı:", "Step Size:"},
    {"lArd", "Ardarda Gelebilecek En Küçük Aralık:", "Possible Consecutive Smallest Interval:"},
    {"lArS", "Aralık Simgeleri", "Interval Symbols"},
    {"lPrA", "Perde Adedi", "Pitch Count"},
    {"chb_nil(0)", "Üçüller", "Trichords"},
    {"chb_nil(1)", "Dördüller", "Tetrachords"},
    {"chb_nil(2)", "Beşiller", "Pentachords"},
    {"lBAG", "Bölünecek Aralığın Genişliği:", "Interval (Be Divided Into) Size:"},
    {"lKrS", "Karar Sesi (Hz):", "Tonic Frequency (Hz):"},
    {"lPSr", "Her Bir Perdenin Süresi (Sn):", "Pitch Duration (Sec):"},
    {"cmdBsl", "Oluştur", "Create"},
    {"cmdHsp", "Hesapla", "Compute"},
    {"cmdCal", "Çal", "Play"},
}};

QString pick(Language language, const char* turkish, const char* english) {
    return QString::fromUtf8(language == Language::Turkish ? turkish : english);
}

} // namespace

const Caption* captionTable(int* count) {
    *count = static_cast<int>(captions.size());
    return captions.data();
}

QString notANumberMessage(Language language, const QString& boxName) {
    return pick(language, "%1 bir sayı olmalı.", "%1 must be a number.").arg(boxName);
}

QString tooManyColumnsMessage(Language language) {
    const QString most = QString::fromStdString(runtime::numberToText(maxColumns));
    return pick(language,
                "En çok %1 aralık sütunu oluşturulabilir. Artım aralığını büyütün ya da en "
                "küçük ve en büyük aralığı birbirine yaklaştırın.",
                "At most %1 interval columns can be created. Choose a larger step or bring the "
                "minimum and maximum intervals closer together.")
        .arg(most);
}

QString durationMessage(Language language) {
    return pick(language,
                "Her Bir Perdenin Süresi (Sn) 0'dan büyük ve en çok 60 olan bir sayı olmalı.",
                "Pitch Duration (Sec) must be a number above 0 and at most 60.");
}

QString tooManyGeneraMessage(Language language, long long lines) {
    const QString most = QString::fromStdString(runtime::numberToText(std::int64_t{lines}));
    return pick(language,
                "Bu ayarlar %1 satırdan fazla sonuç veriyor. Aralık değerlerini ya da perde "
                "adedini daraltın.",
                "These settings give more than %1 lines. Narrow the interval values or the pitch "
                "count.")
        .arg(most);
}

QString minimumAboveMaximumMessage(Language language) {
    return pick(language, "En Küçük Aralık, En Büyük Aralık'tan büyük olamaz.",
                "Minimum Interval cannot be above Maximum Interval.");
}

QString tonicNotAbove0Message(Language language) {
    return pick(language, "Karar Sesi (Hz) 0'dan büyük bir sayı olmalı.",
                "Tonic Frequency (Hz) must be a number above 0.");
}

QString tonicTooHighMessage(Language language) {
    const QString most = QString::fromStdString(runtime::numberToText(highestPitch));
    return pick(language,
                "Bu karar sesiyle cinsin perdeleri %1 Hz'in üstüne çıkıyor ve doğru çalınamaz. "
                "Daha pes bir karar sesi girin.",
                "With this tonic the pitches of the genus go above %1 Hz and cannot be played "
                "true. Enter a lower tonic frequency.")
        .arg(most);
}

QString spanNotWholeText(Language language) {
    return pick(language,
                "Bölünecek Aralığın Genişliği tam sayı olmalı: aralıkların toplamı hep tam "
                "sayıya yuvarlanır.",
                "Interval (Be Divided Into) Size must be a whole number: the sum of the intervals "
                "is always rounded to a whole number.");
}

QString nothingFitsText(Language language) {
    return pick(language,
                "Bu ayarlara uyan cins yok. Bölünecek aralığın genişliğini, ardarda gelebilecek "
                "en küçük aralığı ya da seçili aralıkları değiştirin.",
                "No genus fits these settings. Change the interval size to be divided, the "
                "possible consecutive smallest interval or the included intervals.");
}

QString computingLabel(Language language) {
    return pick(language, "Hesaplanıyor...", "Computing...");
}

QString cancelCaption(Language language) {
    return pick(language, "İptal", "Cancel");
}

QString unexpectedErrorIntro(Language language) {
    return pick(language, "Beklenmeyen bir hata oluştu; işlem yapılamadı:",
                "An unexpected error occurred; the action was not carried out:");
}

QString saveSclCaption(Language language) {
    return pick(language, "Scala dosyası olarak kaydet...", "Save as Scala file...");
}

QString saveListCaption(Language language) {
    return pick(language, "Listeyi kaydet...", "Save list...");
}

QString saveSclTitle(Language language) {
    return pick(language, "Scala dosyası olarak kaydet", "Save as Scala file");
}

QString saveListTitle(Language language) {
    return pick(language, "Listeyi kaydet", "Save list");
}

QString sclFilter(Language language) {
    return pick(language, "Scala dosyaları (*.scl)", "Scala files (*.scl)");
}

QString listFilter(Language language) {
    return pick(language, "Metin dosyaları (*.txt)", "Text files (*.txt)");
}

QString listFileName(Language language) {
    return pick(language, "cinsler.txt", "genera.txt");
}

QString saveFailedMessage(Language language, const QString& path, const QString& reason) {
    return pick(language, "%1 kaydedilemedi: %2", "%1 could not be saved: %2").arg(path, reason);
}

} // namespace genus
