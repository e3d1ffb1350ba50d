#pragma once
// The strip of interval columns at the top of the genus window (pcbDis): the
// row captions, the inner strip that scrolls under them and its scroll bar.
// A column's three controls are made when the strip first shows the column or
// the keyboard comes next to it; until then the column is its texts and its
// tick, so building many columns costs what the strip shows.

#include "columns.h"

#include <QFrame>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QScrollBar;

namespace genus {

class ColumnStrip : public QFrame {
    Q_OBJECT
public:
    /** The strip at its place in the window, with column 0 empty and its include box checked. */
    explicit ColumnStrip(QWidget* parent);

    /**
     * Replaces the columns: hides the scroll bar and sets it to 0, narrows the
     * inner strip to its first width, then lays out columns 0 to
     * columns.size() - 1. Column 0 takes its texts and keeps its include box;
     * every further column starts with column 0's tick. The inner strip widens
     * by one column for each include box at or past outerWidth - 600 twips (the
     * window's outer width) or ending past the visible part, and the scroll bar
     * shows when it does.
     */
    void build(const std::vector<Column>& columns, int outerWidth);

    /** The number of columns, at least 1. */
    int count() const { return static_cast<int>(m_columns.size()); }

    /** Column a's value text, symbol text and tick, as its controls hold them once made. */
    std::string valueText(int a) const;
    std::string symbolText(int a) const;
    bool isIncluded(int a) const;

    /** Column a's controls, made if the strip has not made them yet; a < count(). */
    QLineEdit* valueBox(int a);
    QLineEdit* symbolBox(int a);
    QCheckBox* includeBox(int a);

    /**
     * A column's control by its name ("txbKma(5)", "txbSmg(0)", "chbVar(36)"),
     * made if need be; nullptr for a column that does not exist or any other name.
     */
    QWidget* control(const QString& name);

    QScrollBar* scrollBar() const { return hsb; }

signals:
    /** The user or a build changed a value or symbol text. */
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeColumn(int a);
    void makeShownColumns();
    void destroyColumns();
    void focusArrived(int a);

    QFrame* pcbSol = nullptr;
    QFrame* pcbIc = nullptr;
    QScrollBar* hsb = nullptr;
    int m_icWidth = 0; ///< twips

    std::vector<Column> m_columns;
    std::vector<bool> m_included;   ///< ticks of columns whose box is not made yet
    std::vector<QLineEdit*> txbKma; ///< nullptr where not made yet
    std::vector<QLineEdit*> txbSmg;
    std::vector<QCheckBox*> chbVar;
};

/**
 * True when a FocusOut event moves the focus to another control, not to a
 * context menu or another program.
 */
bool leavesForAnotherControl(const QEvent* event);

} // namespace genus
