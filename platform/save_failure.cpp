#include "save_failure.h"

#include <QDir>
#include <QFileDevice>

namespace platform {

QString saveFailureMessage(const QString& path, const QFileDevice& file) {
    QString reason;
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        reason = QStringLiteral("dosya açılamadı");
        break;
    case QFileDevice::RenameError:
        reason = QStringLiteral("geçici dosya yerine konamadı");
        break;
    default:
        reason = QStringLiteral("yazılamadı");
        break;
    }
    return QStringLiteral("\"%1\" dosyası kaydedilemedi: %2 (%3)")
        .arg(QDir::toNativeSeparators(path), reason, file.errorString());
}

} // namespace platform
