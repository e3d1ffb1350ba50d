#pragma once
// Loading a Scala file for the window: the bytes from disk, the reader, the
// decoding of its texts and a Turkish message for a file that cannot be used.

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace mirefa {

/** A scale ready for the window; texts decoded, pitch lines in UTF-8. */
struct LoadedScale {
    /**
     * The name box: line 1 without its "!" and one blank after it ("! a.scl" and
     * "!a.scl" give "a.scl"), or the file's own name when line 1 is no comment.
     */
    QString name;
    QString description;
    int eleman_sayisi = 0;
    std::vector<std::string> dizi_eleman;
};

/** A loaded scale, or the message that says why the file cannot be used. */
struct ScaleLoad {
    std::optional<LoadedScale> scale;
    QString message;
};

/**
 * Reads a scale file. The text is Windows-1254, unless the file is valid UTF-8
 * with some non-ASCII character (a UTF-8 byte order mark is then dropped).
 */
ScaleLoad loadScaleFile(const QString& path);

/** As loadScaleFile, from bytes already read; fileName names the file in messages. */
ScaleLoad loadScaleBytes(const QByteArray& bytes, const QString& fileName);

} // namespace mirefa
