#pragma once
// Start-up of a window program: the number rules follow the user's region.

#include <QFont>

namespace platform {

/** Takes the decimal separator from the system's regional settings. Call after QApplication. */
void startWindowRuntime();

/** The font controls and picture boxes start with: a 10-pixel sans serif. */
QFont defaultWindowFont();

/** Shows the hourglass pointer for the life of the object. */
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace platform
