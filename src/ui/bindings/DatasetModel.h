#pragma once

#include "records/Dataset.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace lw {

// Fields of a dataset as the columns of a table: the account grid and the
// group combo (one column each), the find and expired lists. Dates show as
// "mm/dd/yyyy". Follows the dataset's signals with row inserts, removals and
// data changes; only a re-run resets it.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetModel(Dataset& dataset, QStringList fields, QObject* parent = nullptr);
    DatasetModel(Dataset& dataset, const QString& field, QObject* parent = nullptr)
        : DatasetModel(dataset, QStringList{field}, parent)
    {
    }

    // Column titles; the field names until set.
    void setTitles(const QStringList& titles) { titles_ = titles; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void changed(DataChange why, const QString& field);

    Dataset& dataset_;
    QStringList fields_;
    QStringList titles_;
    int shownRows_ = 0;
    bool resetting_ = false;
};

} // namespace lw
