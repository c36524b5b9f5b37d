#include "DatasetModel.h"

#include "records/Field.h"

namespace lw {

DatasetModel::DatasetModel(Dataset& dataset, QStringList fields, QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), fields_(std::move(fields)), titles_(fields_)
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
    connect(&dataset_, &Dataset::changed, this, &DatasetModel::changed);
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fields_.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (!index.isValid() || index.row() >= shownRows_ || !dataset_.isOpen())
        return {};
    const QString& field = fields_.at(index.column());
    const QVariant value = dataset_.valueAt(index.row(), field);
    if (dataset_.field(field).type == FieldType::DateTime)
        return DateText(value);
    return value.toString();
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= titles_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return titles_.at(section);
}

void DatasetModel::changed(DataChange why, const QString& field)
{
    if (why == DataChange::Reloaded) {
        if (!resetting_)
            beginResetModel();
        shownRows_ = dataset_.isOpen() ? dataset_.recordCount() : 0;
        resetting_ = false;
        endResetModel();
        return;
    }
    const int row = dataset_.currentRow();
    if ((why != DataChange::FieldChanged && why != DataChange::RowStored) || row < 0 || row >= shownRows_)
        return;
    for (int c = 0; c < fields_.size(); ++c)
        if (field.isEmpty() || field.compare(fields_.at(c), Qt::CaseInsensitive) == 0)
            emit dataChanged(index(row, c), index(row, c));
}

} // namespace lw
