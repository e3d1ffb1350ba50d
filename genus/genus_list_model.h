#pragma once
// The genus list behind lsbSnc: one row per genus, its text made when shown,
// so that hundreds of thousands of lines cost a few bytes each.

#include "genus_engine.h"

#include <QAbstractListModel>

namespace genus {

class GenusListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /** Replaces every line. */
    void setList(GenusList list);
    void clear();
    /** The line of a row as the player reads it; empty for a row that does not exist. */
    std::string line(int row) const;
    /** Every line. */
    const GenusList& list() const { return m_list; }

private:
    GenusList m_list;
};

} // namespace genus
