#include "platform/NameList.h"

#include "platform/Database.h"

#include <QAbstractListModel>

namespace platform {

class NameList::Names : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void reset(std::unique_ptr<Recordset> rows, const QString& column) {
        beginResetModel();
        m_column = rows->columnOf(column);
        m_rows = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_rows ? 0 : int(m_rows->rowCount());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return name(index.row());
    }
    QString name(int row) const { return m_rows->value(row, m_column).toString(); }

private:
    std::unique_ptr<Recordset> m_rows;
    qsizetype m_column = 0;
};

NameList::NameList(QWidget* parent) : QListView(parent), m_names(new Names(this)) {
    setModel(m_names);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

NameList::~NameList() = default;

void NameList::setNames(std::unique_ptr<Recordset> rows, const QString& column) {
    m_names->reset(std::move(rows), column);
}

int NameList::count() const {
    return m_names->rowCount();
}

QString NameList::name(int row) const {
    return m_names->name(row);
}

int NameList::chosenRow() const {
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.first().row();
}

void NameList::choose(int row) {
    setCurrentIndex(m_names->index(row));
}

} // namespace platform
