#include "save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <memory>

namespace platform {

QString askSaveFile(QWidget* parent, const QString& title, const QString& filter,
                    const QString& suggested, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

SaveChooser saveDialogInLastFolder() {
    auto lastFolder = std::make_shared<QString>();
    return [lastFolder](QWidget* parent, const QString& title, const QString& filter,
                        const QString& suggested) {
        const QString start =
            lastFolder->isEmpty() ? suggested : QDir(*lastFolder).filePath(suggested);
        const QString path = askSaveFile(parent, title, filter, start);
        if (!path.isEmpty())
            *lastFolder = QFileInfo(path).absolutePath();
        return path;
    };
}

} // namespace platform
