#pragma once

#include "Field.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace lw {

class Connection;
class Statement;

// What a data-change notification reports.
enum class DataChange {
    Reloaded, // opened, re-run or closed
    RowMoved, // another row became current
    FieldChanged, // a value of the current row changed
    EditBegun, // the current row went into edit or insert state
    RowStored, // post, cancel or delete finished
};

struct LocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false;
};

// A query with a current row, kept in memory after open(). An editable
// dataset (one with an update table) stores an edited row by its key on
// post(); others refuse edits with an Error.
//
// Notifications are synchronous Qt signals, so a listener that dies stops
// listening by itself. The steps that must be able to stop the caller
// (after-insert, before-post, before-move) are callbacks instead: a
// before-post handler may throw SilentAbort to abandon the store, and then
// nothing is written and the row keeps its changes.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Closed, Browse, Edit, Insert };
    using Handler = std::function<void(Dataset&)>;

    explicit Dataset(QString name, QObject* parent = nullptr);
    ~Dataset() override;

    const QString& name() const { return name_; }

    // --- set-up (while closed) ---
    void setConnection(Connection* db);
    void setSql(const QString& sql);
    const QString& sql() const { return sql_; }
    // Makes the dataset editable over one table; keyField may be empty (then a
    // row is found by all its original values).
    void setUpdateTable(const QString& table, const QString& keyField);
    bool isEditable() const { return !updateTable_.isEmpty(); }
    void declareField(const FieldDef& field);
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;
    // The detail re-runs with the master's keyField as its parameter whenever
    // the master's current row changes; a master move first stores the detail.
    void setMaster(Dataset* master, const QString& masterField, const QString& paramName);

    // --- open / close ---
    void open();
    void close();
    void refresh(); // re-runs the query, keeping the current row by key where it can
    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }

    // --- rows ---
    int recordCount() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    int currentRow() const { return current_; } // -1 when empty or closed
    void first();
    bool next(); // false at the last row
    void moveTo(int row);
    bool locate(const QStringList& fields, const QVariantList& values, LocateOptions options = {});
    bool locate(const QString& field, const QVariant& value, LocateOptions options = {})
    {
        return locate(QStringList{field}, QVariantList{value}, options);
    }

    // --- fields of the current row (its pending values while editing) ---
    int fieldCount() const { return int(fields_.size()); }
    const FieldDef& field(int index) const { return fields_.at(size_t(index)); }
    const FieldDef& field(const QString& name) const;
    bool hasField(const QString& name) const { return indexOf(name) >= 0; }
    QVariant value(const QString& field) const;
    QVariant valueAt(int row, const QString& field) const;
    bool isNull(const QString& field) const { return value(field).isNull(); }
    void setValue(const QString& field, const QVariant& value);

    // --- editing ---
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    // Discards pending changes but stays in edit state.
    void revertRow();
    // Stores a pending edit; nothing otherwise.
    void checkBrowseMode();

    // --- steps that may stop the caller ---
    void onAfterInsert(Handler h) { afterInsert_.push_back(std::move(h)); }
    void onBeforePost(Handler h) { beforePost_.push_back(std::move(h)); }
    void onBeforeMove(Handler h) { beforeMove_.push_back(std::move(h)); }

signals:
    // Any change of the rows, the current row or its values.
    void changed(lw::DataChange why, const QString& field);
    // After every change of current row, and after every re-run.
    void currentRowChanged(int row);
    // The rows are about to be replaced by a re-run, or cleared by a close;
    // changed(Reloaded) follows.
    void aboutToReload();
    // A new row at the end (append), and a row taken out (delete, or a new
    // row abandoned).
    void rowAboutToBeInserted(int row);
    void rowInserted(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);

private:
    using Row = std::vector<QVariant>; // stored values

    int indexOf(const QString& name) const;
    int requireIndex(const QString& name) const;
    void requireOpen() const;
    void requireEditable() const;
    struct Result {
        std::vector<FieldDef> fields;
        std::vector<Row> rows;
    };
    Result run();
    void replaceRows(Result result, int current);
    void eraseRow(int row);
    void notify(DataChange why, const QString& field = QString());
    void fire(const std::vector<Handler>& handlers);
    void masterChanged();
    void storeRow();
    void insertRow();
    void updateRow();

    QString name_;
    Connection* db_ = nullptr;
    QString sql_;
    std::unique_ptr<Statement> stmt_;
    QString updateTable_;
    QString keyField_;
    std::vector<FieldDef> declared_;
    std::map<QString, QVariant> params_; // by lower-case name

    Dataset* master_ = nullptr;
    QString masterField_;
    QString masterParam_;
    std::vector<Dataset*> details_;

    State state_ = State::Closed;
    std::vector<FieldDef> fields_;
    std::vector<Row> rows_;
    int current_ = -1;
    Row buffer_; // pending values of the current row while editing
    Row original_;

    int shownCurrent_ = -1; // the row the last currentRowChanged reported
    std::vector<Handler> afterInsert_;
    std::vector<Handler> beforePost_;
    std::vector<Handler> beforeMove_;
};

} // namespace lw
