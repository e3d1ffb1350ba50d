#include "column_strip.h"

#include "captioned_label.h"
#include "control_names.h"
#include "scroll_keys.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <array>

namespace genus {

namespace {

constexpr int icStartWidth = 10605;
constexpr int columnWidth = 465; // the value and symbol boxes of a column
constexpr int columnPitch = columnWidth + 60;
constexpr int includeLeft = 150;
constexpr int stripLeft = 600; // where the inner strip stands at scroll value 0
constexpr int stripVisible = 10635 - stripLeft;

int valueLeft(int a) {
    return a * columnPitch;
}

using platform::indexed;
using platform::named;

QLineEdit* makeBox(QWidget* parent, const QString& name, const std::string& text, int left,
                   int top) {
    auto* box = named(new QLineEdit(QString::fromStdString(text), parent), name);
    box->setAlignment(Qt::AlignCenter);
    // A value wider than its box shows its first digits, not its last ones.
    box->setCursorPosition(0);
    platform::placeTwips(box, left, top, columnWidth, 315);
    return box;
}

} // namespace

bool leavesForAnotherControl(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

ColumnStrip::ColumnStrip(QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("pcbDis"));
    platform::placeTwips(this, 30, 30, 10635, 1305);

    pcbSol = named(new QFrame(this), QStringLiteral("pcbSol"));
    platform::placeTwips(pcbSol, 0, 0, 600, 1305);
    pcbSol->setAutoFillBackground(true);
    // The opening captions carry the extra spaces that the language switch drops.
    makeLabel(pcbSol, "lKma", "Koma : ", 30, 90, 540, 195, Qt::AlignRight);
    makeLabel(pcbSol, "lSmg", "Simge : ", 0, 450, 570, 195, Qt::AlignRight);
    makeLabel(pcbSol, "lVar", "Var : ", 195, 780, 375, 195, Qt::AlignRight);

    hsb = named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("hsb"));
    platform::installScrollKeys(hsb);
    platform::placeTwips(hsb, 630, 1020, 9915, 195);
    hsb->setRange(0, 32767);
    hsb->setSingleStep(50);
    hsb->setPageStep(500);
    hsb->setValue(0);
    hsb->hide();
    // In the tab order like the other controls; its arrow keys scroll the strip.
    hsb->setFocusPolicy(Qt::StrongFocus);
    connect(hsb, &QScrollBar::valueChanged, this, [this](int value) {
        // Computed in int: a wide strip scrolls beyond the 16-bit range.
        pcbIc->move(platform::twipsToPixels(stripLeft - value), pcbIc->y());
        makeShownColumns();
    });

    pcbIc = named(new QFrame(this), QStringLiteral("pcbIc"));
    m_icWidth = icStartWidth;
    platform::placeTwips(pcbIc, 660, 0, m_icWidth, 1035);
    // The row captions and the scroll bar stay in front of the strip that scrolls under them.
    pcbSol->raise();
    hsb->raise();

    m_columns = {Column{}};
    m_included = {true};
    txbKma = {makeBox(pcbIc, indexed("txbKma", 0), {}, 0, 60)};
    txbSmg = {makeBox(pcbIc, indexed("txbSmg", 0), {}, 0, 420)};
    chbVar = {named(new QCheckBox(pcbIc), indexed("chbVar", 0))};
    chbVar[0]->setChecked(true);
    platform::placeTwips(chbVar[0], includeLeft, 780, 165, 225);
    for (QWidget* control : {static_cast<QWidget*>(txbKma[0]), static_cast<QWidget*>(txbSmg[0]),
                             static_cast<QWidget*>(chbVar[0])}) {
        control->setProperty("column", 0);
        control->installEventFilter(this);
    }
    connect(txbKma[0], &QLineEdit::textChanged, this, &ColumnStrip::edited);
    connect(txbSmg[0], &QLineEdit::textChanged, this, &ColumnStrip::edited);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->parentWidget() == pcbIc)
            focusArrived(now->property("column").toInt());
    });
}

void ColumnStrip::destroyColumns() {
    for (std::size_t a = 1; a < txbKma.size(); ++a) {
        delete txbKma[a];
        delete txbSmg[a];
        delete chbVar[a];
    }
    txbKma.resize(1);
    txbSmg.resize(1);
    chbVar.resize(1);
    m_columns.resize(1);
    m_included.resize(1);
}

void ColumnStrip::build(const std::vector<Column>& columns, int outerWidth) {
    pcbIc->setUpdatesEnabled(false);
    destroyColumns();
    hsb->hide();
    hsb->setValue(0);

    const int n = std::max<int>(1, static_cast<int>(columns.size()));
    m_columns.assign(columns.begin(), columns.begin() + n);
    // Every further column starts as a copy of column 0, its tick included.
    m_included.assign(static_cast<std::size_t>(n), chbVar[0]->isChecked());
    txbKma.resize(static_cast<std::size_t>(n), nullptr);
    txbSmg.resize(static_cast<std::size_t>(n), nullptr);
    chbVar.resize(static_cast<std::size_t>(n), nullptr);

    // The strip does not widen with the window: a column that ends past its visible part
    // must also be reachable, or a window widened before the build hides the last columns.
    m_icWidth = icStartWidth;
    for (int a = 1; a < n; ++a) {
        const bool pastView = valueLeft(a) + columnWidth > stripVisible;
        if (includeLeft + valueLeft(a) >= outerWidth - 600 || pastView) {
            hsb->show();
            m_icWidth += columnPitch;
        }
    }
    pcbIc->resize(platform::twipsToPixels(m_icWidth), pcbIc->height());
    // Scrolling reaches the last column and stops there.
    hsb->setMaximum(std::max(0, m_icWidth - stripVisible));

    txbKma[0]->setText(QString::fromStdString(m_columns[0].value));
    txbSmg[0]->setText(QString::fromStdString(m_columns[0].symbol));
    txbKma[0]->setCursorPosition(0);
    txbSmg[0]->setCursorPosition(0);
    makeShownColumns();
    // Shift+Tab from the scroll bar goes to the last column.
    makeColumn(n - 1);
    pcbIc->setUpdatesEnabled(true);
    if (n > 1)
        emit edited(); // the further columns have new texts
}

void ColumnStrip::makeShownColumns() {
    // The part of the inner strip that shows, in its own twips, and one column more on each side.
    const int left = -pcbIc->x() * runtime::twipsPerPixel;
    const int right = left + width() * runtime::twipsPerPixel;
    const int first = std::max(0, left / columnPitch - 1);
    const int last = std::min(count() - 1, right / columnPitch + 1);
    for (int a = first; a <= last; ++a)
        makeColumn(a);
}

void ColumnStrip::makeColumn(int a) {
    const auto i = static_cast<std::size_t>(a);
    if (chbVar[i] != nullptr)
        return;
    const Column& column = m_columns[i];
    txbKma[i] = makeBox(pcbIc, indexed("txbKma", a), column.value, valueLeft(a), 60);
    txbSmg[i] = makeBox(pcbIc, indexed("txbSmg", a), column.symbol, valueLeft(a), 420);
    chbVar[i] = named(new QCheckBox(pcbIc), indexed("chbVar", a));
    chbVar[i]->setChecked(m_included[i]);
    platform::placeTwips(chbVar[i], includeLeft + valueLeft(a), 780, 165, 225);
    const std::array<QWidget*, 3> controls = {txbKma[i], txbSmg[i], chbVar[i]};
    for (QWidget* control : controls) {
        control->setProperty("column", a);
        control->installEventFilter(this);
    }
    // Connected after the texts are in: making a column the user scrolls to is no edit.
    connect(txbKma[i], &QLineEdit::textChanged, this, &ColumnStrip::edited);
    connect(txbSmg[i], &QLineEdit::textChanged, this, &ColumnStrip::edited);

    // Tab goes through the strip column by column, then on to the scroll bar: the new column
    // follows the nearest column before it that exists.
    int before = a - 1;
    while (chbVar[static_cast<std::size_t>(before)] == nullptr)
        --before;
    QWidget::setTabOrder(chbVar[static_cast<std::size_t>(before)], txbKma[i]);
    QWidget::setTabOrder(txbKma[i], txbSmg[i]);
    QWidget::setTabOrder(txbSmg[i], chbVar[i]);
    for (QWidget* control : controls)
        control->show();
}

void ColumnStrip::focusArrived(int a) {
    // Tab and Shift+Tab go on from here to the neighbouring columns: they must exist.
    if (a > 0)
        makeColumn(a - 1);
    if (a + 1 < count())
        makeColumn(a + 1);

    // The value box spans its column; the row captions cover the strip's first 600 twips.
    const QLineEdit* value = txbKma[static_cast<std::size_t>(a)];
    const int left = pcbIc->x() + value->x();
    const int right = left + value->width();
    if (left < platform::twipsToPixels(stripLeft))
        hsb->setValue(valueLeft(a));
    else if (right > width())
        hsb->setValue(valueLeft(a) + columnWidth - stripVisible);
}

std::string ColumnStrip::valueText(int a) const {
    const QLineEdit* box = txbKma[static_cast<std::size_t>(a)];
    return box != nullptr ? box->text().toStdString()
                          : m_columns[static_cast<std::size_t>(a)].value;
}

std::string ColumnStrip::symbolText(int a) const {
    const QLineEdit* box = txbSmg[static_cast<std::size_t>(a)];
    return box != nullptr ? box->text().toStdString()
                          : m_columns[static_cast<std::size_t>(a)].symbol;
}

bool ColumnStrip::isIncluded(int a) const {
    const QCheckBox* box = chbVar[static_cast<std::size_t>(a)];
    return box != nullptr ? box->isChecked() : m_included[static_cast<std::size_t>(a)];
}

QLineEdit* ColumnStrip::valueBox(int a) {
    makeColumn(a);
    return txbKma[static_cast<std::size_t>(a)];
}

QLineEdit* ColumnStrip::symbolBox(int a) {
    makeColumn(a);
    return txbSmg[static_cast<std::size_t>(a)];
}

QCheckBox* ColumnStrip::includeBox(int a) {
    makeColumn(a);
    return chbVar[static_cast<std::size_t>(a)];
}

QWidget* ColumnStrip::control(const QString& name) {
    const qsizetype open = name.indexOf(QLatin1Char('('));
    if (open < 0 || !name.endsWith(QLatin1Char(')')))
        return nullptr;
    bool whole = false;
    const int a = name.mid(open + 1, name.size() - open - 2).toInt(&whole);
    if (!whole || a < 0 || a >= count())
        return nullptr;
    const QStringView kind = QStringView(name).left(open);
    if (kind == u"txbKma")
        return valueBox(a);
    if (kind == u"txbSmg")
        return symbolBox(a);
    if (kind == u"chbVar")
        return includeBox(a);
    return nullptr;
}

bool ColumnStrip::eventFilter(QObject* watched, QEvent* event) {
    // A number longer than its box shows its first digits once the box is left.
    if (leavesForAnotherControl(event))
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->setCursorPosition(0);
    return QFrame::eventFilter(watched, event);
}

} // namespace genus
