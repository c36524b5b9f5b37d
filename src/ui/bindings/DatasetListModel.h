#pragma once

#include "records/Dataset.h"

#include <QAbstractListModel>
#include <QPointer>

namespace lw {

// One column of a dataset as a list: the account grid and the group combo.
// Follows the dataset's notifications; emits currentRowChanged when the
// dataset's current row moves so that a view can follow.
class DatasetListModel : public QAbstractListModel {
    Q_OBJECT
public:
    DatasetListModel(Dataset& dataset, QString field, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void currentRowChanged(int row);

private:
    void changed(DataChange why, const QString& field);

    Dataset& dataset_;
    QString field_;
    int shownRows_ = 0;
};

} // namespace lw
