#include "CurrentRowSync.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScopedValueRollback>
#include <QTimer>

namespace lw {

CurrentRowSync::CurrentRowSync(QObject* view, Dataset& dataset, Move move, std::function<void(int)> select)
    : QObject(view), dataset_(dataset), move_(std::move(move)), select_(std::move(select))
{
    connect(&dataset_, &Dataset::currentRowChanged, this, &CurrentRowSync::show);
}

CurrentRowSync* CurrentRowSync::bind(QAbstractItemView* view, Dataset& dataset, Move move)
{
    auto* sync = new CurrentRowSync(view, dataset, std::move(move), [view](int row) {
        QItemSelectionModel* selection = view->selectionModel();
        if (row < 0) {
            selection->clear();
            return;
        }
        const QModelIndex index = view->model()->index(row, 0);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, sync,
            [sync](const QModelIndex& index) { sync->picked(index.isValid() ? index.row() : -1); });
    sync->show();
    return sync;
}

CurrentRowSync* CurrentRowSync::bind(QComboBox* combo, Dataset& dataset, Move move)
{
    auto* sync = new CurrentRowSync(combo, dataset, std::move(move), [combo](int row) { combo->setCurrentIndex(row); });
    connect(combo, &QComboBox::activated, sync, &CurrentRowSync::picked);
    sync->show();
    return sync;
}

void CurrentRowSync::show()
{
    const QScopedValueRollback guard(showing_, true);
    select_(dataset_.isOpen() ? dataset_.currentRow() : -1);
}

void CurrentRowSync::picked(int row)
{
    if (showing_ || row < 0 || row == dataset_.currentRow())
        return;
    move_(row);
    show();
    // A mouse press selects its row after announcing it as current; put the
    // selection back once the press is handled too.
    QTimer::singleShot(0, this, &CurrentRowSync::show);
}

} // namespace lw
