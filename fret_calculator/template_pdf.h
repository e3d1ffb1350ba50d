#pragma once
// The fret template printed at true size: a PDF whose pages, laid over each
// other by their alignment marks, give the whole template.

#include "page_plan.h"

#include <QString>

class QIODevice;

namespace mirefa {

/**
 * Writes the template to `device` as a PDF of landscape pages of `paper`, one
 * per entry of planPages over the template's extent and drawingRoom(paper),
 * each with its alignment marks and, in its footer, a scale bar of 100 mm and
 * its number. Drawn in millimetres, so that the printout at 100 % has the
 * template's true size.
 */
void writeTemplatePdf(QIODevice& device, const FretTemplate& drawing, Paper paper,
                      const QString& title);

} // namespace mirefa
