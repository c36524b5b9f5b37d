#include "DatasetListModel.h"

namespace lw {

DatasetListModel::DatasetListModel(Dataset& dataset, QString field, QObject* parent)
    : QAbstractListModel(parent), dataset_(dataset), field_(std::move(field))
{
    shownRows_ = dataset_.isOpen() ? dataset_.recordCount() : 0;
    connect(&dataset_, &Dataset::aboutToReload, this, [this] {
        if (!resetting_)
            beginResetModel();
        resetting_ = true;
    });
    connect(&dataset_, &Dataset::rowAboutToBeInserted, this, [this](int row) { beginInsertRows({}, row, row); });
    connect(&dataset_, &Dataset::rowInserted, this, [this] {
        ++shownRows_;
        endInsertRows();
    });
    connect(&dataset_, &Dataset::rowAboutToBeRemoved, this, [this](int row) { beginRemoveRows({}, row, row); });
    connect(&dataset_, &Dataset::rowRemoved, this, [this] {
        --shownRows_;
        endRemoveRows();
    });
    connect(&dataset_, &Dataset::changed, this, &DatasetListModel::changed);
}

int DatasetListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

QVariant DatasetListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (!index.isValid() || index.row() >= shownRows_ || !dataset_.isOpen())
        return {};
    return dataset_.valueAt(index.row(), field_).toString();
}

void DatasetListModel::changed(DataChange why, const QString& field)
{
    if (why == DataChange::Reloaded) {
        if (!resetting_)
            beginResetModel();
        shownRows_ = dataset_.isOpen() ? dataset_.recordCount() : 0;
        resetting_ = false;
        endResetModel();
        return;
    }
    const bool ours = field.isEmpty() || field.compare(field_, Qt::CaseInsensitive) == 0;
    const int row = dataset_.currentRow();
    if ((why == DataChange::FieldChanged || why == DataChange::RowStored) && ours && row >= 0 && row < shownRows_)
        emit dataChanged(index(row), index(row));
}

} // namespace lw
