#pragma once
// The save dialog of the windows' export actions.

#include <QString>

#include <functional>

class QWidget;

namespace platform {

/**
 * Asks where to save: the chosen path, empty when cancelled. A name typed
 * without an ending gets `defaultSuffix` ("csv"), when one is given.
 */
QString askSaveFile(QWidget* parent, const QString& title, const QString& filter,
                    const QString& suggested, const QString& defaultSuffix = {});

/** Asks for a file to save to; an empty text means the user cancelled. */
using SaveChooser = std::function<QString(QWidget* parent, const QString& title,
                                          const QString& filter, const QString& suggested)>;

/** A save dialog that offers the suggested name in the folder of its last save. */
SaveChooser saveDialogInLastFolder();

} // namespace platform
