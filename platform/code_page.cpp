#include "code_page.h"

#include <QHash>
#include <QStringDecoder>

namespace platform {

namespace {

QStringDecoder decoder() {
    QStringDecoder decode("windows-1254");
    Q_ASSERT(decode.isValid());
    return decode;
}

// Built from the decoder so both directions agree; unmapped text becomes "?"
// as the data files expect, not the encoder's substitute control character.
const QHash<char16_t, char>& encodeTable() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int b = 255; b >= 0; --b) {
            const QString one = decoder()(QByteArray(1, char(b)));
            if (one.size() == 1 && one.at(0) != QChar::ReplacementCharacter)
                t.insert(one.at(0).unicode(), char(b));
        }
        return t;
    }();
    return table;
}

} // namespace

QString fromWindows1254(const QByteArray& bytes) {
    return decoder()(bytes);
}

QByteArray toWindows1254(const QString& text) {
    const QHash<char16_t, char>& table = encodeTable();
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(table.value(c.unicode(), '?'));
    return out;
}

} // namespace platform
