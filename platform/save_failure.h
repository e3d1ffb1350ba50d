#pragma once
// The message of a save that failed, in the words the Turkish windows use.

#include <QString>

class QFileDevice;

namespace platform {

/**
 * Names the file and says why it could not be saved, in words and as the
 * system put it: "\"/tmp/x.csv\" dosyası kaydedilemedi: dosya açılamadı (Not a directory)".
 */
QString saveFailureMessage(const QString& path, const QFileDevice& file);

} // namespace platform
