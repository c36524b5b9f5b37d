#include "DatasetListModel.h"

namespace lw {

DatasetListModel::DatasetListModel(Dataset& dataset, QString field, QObject* parent)
    : QAbstractListModel(parent), dataset_(dataset), field_(std::move(field))
{
    QPointer<DatasetListModel> self(this);
    dataset_.onDataChange([self](Dataset&, DataChange why, const QString& f) {
        if (self)
            self->changed(why, f);
    });
}

int DatasetListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

QVariant DatasetListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (!dataset_.isOpen() || index.row() >= dataset_.recordCount())
        return {};
    return dataset_.valueAt(index.row(), field_).toString();
}

void DatasetListModel::changed(DataChange why, const QString& field)
{
    const int rows = dataset_.isOpen() ? dataset_.recordCount() : 0;
    if (rows != shownRows_ || why == DataChange::Reloaded) {
        beginResetModel();
        shownRows_ = rows;
        endResetModel();
    } else if (why == DataChange::FieldChanged || why == DataChange::RowStored) {
        if (field.isEmpty() || field.compare(field_, Qt::CaseInsensitive) == 0) {
            const int row = dataset_.currentRow();
            if (row >= 0)
                emit dataChanged(index(row), index(row));
        }
    }
    emit currentRowChanged(dataset_.currentRow());
}

} // namespace lw
