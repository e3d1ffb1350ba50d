#pragma once
// Readouts that must show a whole value in a place made for shorter ones.

#include <QFont>
#include <QString>

class QLabel;

namespace platform {

/**
 * The font, condensed as far as needed (not below half its width) for `text`
 * to fit `width` pixels; unstretched when it fits as it is. Condensing keeps
 * the height, so a long number stays legible on its line.
 */
QFont fittedFont(QFont font, const QString& text, int width);

/** Shows `text` in a one-line label, in the label's font condensed to fit it whole. */
void showFitted(QLabel* label, const QString& text);

} // namespace platform
