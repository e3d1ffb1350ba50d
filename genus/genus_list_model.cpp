#include "genus_list_model.h"

namespace genus {

int GenusListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_list.size());
}

QVariant GenusListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(m_list.line(static_cast<std::size_t>(index.row())));
}

void GenusListModel::setList(GenusList list) {
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

void GenusListModel::clear() {
    if (m_list.empty())
        return;
    setList(GenusList());
}

std::string GenusListModel::line(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_list.line(static_cast<std::size_t>(row));
}

} // namespace genus
