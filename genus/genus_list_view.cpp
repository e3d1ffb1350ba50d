#include "genus_list_view.h"

#include <QPainter>

namespace genus {

QString TabStopDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    const QString text = QStyledItemDelegate::displayText(value, locale);
    QString shown;
    shown.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\t'))
            shown += QString(8 - shown.size() % 8, QLatin1Char(' '));
        else
            shown += c;
    }
    return shown;
}

GenusListView::GenusListView(QWidget* parent)
    : QListView(parent) {
    // Tab stops in pixels put the symbols wherever the font ends a stop, at times right
    // against the last interval; in this fixed font whole characters keep them apart.
    setItemDelegate(new TabStopDelegate(this));
}

void GenusListView::setPlaceholderText(const QString& text) {
    if (text == m_placeholder)
        return;
    m_placeholder = text;
    viewport()->update();
}

void GenusListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (m_placeholder.isEmpty() || (model() != nullptr && model()->rowCount() > 0))
        return;
    QPainter painter(viewport());
    // The window's font, not the list's fixed one: this is a sentence, not a line of figures.
    if (parentWidget() != nullptr) {
        // Every property set, or the painter fills the unset ones from the list's font.
        QFont font = parentWidget()->font();
        font.setResolveMask(QFont::AllPropertiesResolved);
        painter.setFont(font);
    }
    painter.setPen(palette().color(QPalette::Text));
    const int margin = fontMetrics().averageCharWidth();
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_placeholder);
}

} // namespace genus
