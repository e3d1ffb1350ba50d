#pragma once
// The genus list, which says over its empty area why a computation listed nothing.

#include <QListView>
#include <QString>
#include <QStyledItemDelegate>

namespace genus {

/**
 * Shows a list line with its tab as blanks to the next multiple of eight
 * characters, at least one, so that the symbols never touch the last interval
 * ("  1)  4 + 5.32 + 12.58\tB S A+" -> "  1)  4 + 5.32 + 12.58  B S A+").
 * The line itself, which the player reads, keeps its tab.
 */
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

class GenusListView : public QListView {
    Q_OBJECT
    Q_PROPERTY(QString placeholderText READ placeholderText WRITE setPlaceholderText)
public:
    explicit GenusListView(QWidget* parent = nullptr);

    /** Text painted over the list while it holds no line; empty for none. */
    QString placeholderText() const { return m_placeholder; }
    void setPlaceholderText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_placeholder;
};

} // namespace genus
