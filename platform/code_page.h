#pragma once
// The Turkish 8-bit code page (Windows-1254) of the data and scale files.

#include <QByteArray>
#include <QString>

namespace platform {

/** Bytes in Windows-1254 to text. */
QString fromWindows1254(const QByteArray& bytes);

/** Text to Windows-1254; a character the code page lacks becomes "?". */
QByteArray toWindows1254(const QString& text);

} // namespace platform
