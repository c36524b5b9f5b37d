#pragma once

#include "records/Dataset.h"

#include <QObject>
#include <functional>

class QAbstractItemView;
class QComboBox;

namespace lw {

// Keeps a view of a dataset (a list or a combo box over a DatasetModel)
// on the dataset's current row. A row the user picks is handed to the move
// function; whether the dataset moved or the move was refused (the save
// question answered Cancel), the view then shows the dataset's current row
// again, so the two never disagree.
class CurrentRowSync : public QObject {
    Q_OBJECT
public:
    using Move = std::function<void(int row)>;

    static CurrentRowSync* bind(QAbstractItemView* view, Dataset& dataset, Move move);
    static CurrentRowSync* bind(QComboBox* combo, Dataset& dataset, Move move);

    // Puts the view on the dataset's current row.
    void show();

private:
    CurrentRowSync(QObject* view, Dataset& dataset, Move move, std::function<void(int)> select);
    void picked(int row);

    Dataset& dataset_;
    Move move_;
    std::function<void(int)> select_;
    bool showing_ = false;
};

} // namespace lw
