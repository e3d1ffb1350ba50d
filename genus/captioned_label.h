#pragma once
// Labels of the genus window, placed in twips, that grow to show a caption
// longer than their place.

#include <QFont>
#include <Qt>

class QLabel;
class QWidget;

namespace genus {

/**
 * A label named `name` at its place; a caption wider than the place grows to
 * the right (to the left when right-aligned), and the control beside it, made
 * later, stays on top.
 */
QLabel* makeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                  int height, Qt::Alignment align = Qt::AlignLeft);

/** Fits a label made by makeLabel to its caption again, after a new text. */
void fitLabel(QLabel* label);

/** As above, in a new font. */
void fitLabel(QLabel* label, const QFont& font);

} // namespace genus
