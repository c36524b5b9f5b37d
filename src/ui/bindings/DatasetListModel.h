#pragma once

#include "records/Dataset.h"

#include <QAbstractListModel>

namespace lw {

// One column of a dataset as a list: the account grid and the group combo.
// Follows the dataset's signals with row inserts, removals and data changes;
// only a re-run resets it.
class DatasetListModel : public QAbstractListModel {
    Q_OBJECT
public:
    DatasetListModel(Dataset& dataset, QString field, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void changed(DataChange why, const QString& field);

    Dataset& dataset_;
    QString field_;
    int shownRows_ = 0;
    bool resetting_ = false;
};

} // namespace lw
