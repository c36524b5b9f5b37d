#include "Dataset.h"

#include "settings/Error.h"
#include "store/Connection.h"
#include "store/Statement.h"

namespace lw {

Dataset::Dataset(QString name, QObject* parent) : QObject(parent), name_(std::move(name))
{
    setObjectName(name_);
}

Dataset::~Dataset()
{
    if (master_)
        std::erase(master_->details_, this);
    for (Dataset* d : details_)
        d->master_ = nullptr;
}

// ---------------------------------------------------------------- set-up

void Dataset::setConnection(Connection* db)
{
    if (isOpen())
        close();
    stmt_.reset();
    db_ = db;
}

void Dataset::setSql(const QString& sql)
{
    if (isOpen())
        throw Error(QStringLiteral("%1: the query text can only change while it is closed.").arg(name_));
    sql_ = sql;
    stmt_.reset();
}

void Dataset::setUpdateTable(const QString& table, const QString& keyField)
{
    updateTable_ = table;
    keyField_ = keyField;
}

void Dataset::declareField(const FieldDef& field)
{
    declared_.push_back(field);
}

void Dataset::setParam(const QString& name, const QVariant& value)
{
    params_[name.toLower()] = value;
}

QVariant Dataset::param(const QString& name) const
{
    auto it = params_.find(name.toLower());
    return it == params_.end() ? QVariant() : it->second;
}

void Dataset::setMaster(Dataset* master, const QString& masterField, const QString& paramName)
{
    if (master_)
        std::erase(master_->details_, this);
    master_ = master;
    masterField_ = masterField;
    masterParam_ = paramName;
    if (master_)
        master_->details_.push_back(this);
}

// ---------------------------------------------------------------- open / close

Dataset::Result Dataset::run()
{
    if (!db_)
        throw Error(QStringLiteral("%1: no database is open.").arg(name_));
    if (master_)
        setParam(masterParam_, master_->value(masterField_));
    if (!stmt_)
        stmt_ = std::make_unique<Statement>(db_->prepare(sql_));
    stmt_->reset();
    for (int i = 1; i <= stmt_->parameterCount(); ++i)
        stmt_->bindAt(i, param(stmt_->parameterName(i)));

    Result result;
    const int columns = stmt_->columnCount();
    for (int c = 0; c < columns; ++c) {
        const QString column = stmt_->columnName(c);
        auto declared = std::find_if(declared_.begin(), declared_.end(), [&](const FieldDef& f) {
            return f.name.compare(column, Qt::CaseInsensitive) == 0;
        });
        result.fields.push_back(declared != declared_.end() ? *declared
                                                            : FieldFromDeclType(column, stmt_->columnDeclType(c)));
        result.fields.back().name = declared != declared_.end() ? declared->name : column;
    }
    try {
        while (stmt_->step()) {
            Row row(static_cast<size_t>(columns));
            for (int c = 0; c < columns; ++c)
                row[size_t(c)] = stmt_->value(c);
            result.rows.push_back(std::move(row));
        }
    } catch (...) {
        stmt_->reset();
        throw;
    }
    stmt_->reset();
    return result;
}

// Puts the rows of a re-run in place; current is clamped to the new rows.
void Dataset::replaceRows(Result result, int current)
{
    emit aboutToReload();
    fields_ = std::move(result.fields);
    rows_ = std::move(result.rows);
    current_ = rows_.empty() ? -1 : std::clamp(current, 0, int(rows_.size()) - 1);
    notify(DataChange::Reloaded);
}

void Dataset::open()
{
    if (isOpen())
        return;
    Result result = run();
    state_ = State::Browse;
    replaceRows(std::move(result), 0);
}

void Dataset::close()
{
    if (!isOpen())
        return;
    state_ = State::Closed;
    buffer_.clear();
    stmt_.reset(); // a closing connection must not keep statements alive
    replaceRows({}, -1);
}

void Dataset::refresh()
{
    requireOpen();
    checkBrowseMode();
    const QVariant key = keyField_.isEmpty() || current_ < 0 ? QVariant() : value(keyField_);
    Result result = run();
    int row = current_;
    if (!key.isNull()) {
        const int k = requireIndex(keyField_);
        for (size_t r = 0; r < result.rows.size(); ++r)
            if (ToFieldValue(result.fields[size_t(k)], result.rows[r][size_t(k)]) == key)
                row = int(r);
    }
    replaceRows(std::move(result), row);
}

// ---------------------------------------------------------------- rows

void Dataset::first()
{
    requireOpen();
    if (!rows_.empty())
        moveTo(0);
}

bool Dataset::next()
{
    requireOpen();
    if (current_ + 1 >= int(rows_.size()))
        return false;
    moveTo(current_ + 1);
    return true;
}

void Dataset::moveTo(int row)
{
    requireOpen();
    if (row < 0 || row >= int(rows_.size()))
        throw Error(QStringLiteral("%1: there is no row %2.").arg(name_).arg(row + 1));
    if (row == current_ && !isEditing())
        return;
    checkBrowseMode();
    if (row == current_)
        return;
    fire(beforeMove_);
    for (Dataset* d : std::vector<Dataset*>(details_))
        d->checkBrowseMode();
    current_ = row;
    notify(DataChange::RowMoved);
}

bool Dataset::locate(const QStringList& fields, const QVariantList& values, LocateOptions options)
{
    requireOpen();
    if (fields.size() != values.size())
        throw Error(QStringLiteral("%1: locate needs one value per field.").arg(name_));
    std::vector<int> columns;
    for (const QString& f : fields)
        columns.push_back(requireIndex(f));
    checkBrowseMode();
    const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (size_t r = 0; r < rows_.size(); ++r) {
        bool all = true;
        for (size_t i = 0; i < columns.size() && all; ++i) {
            const FieldDef& f = fields_[size_t(columns[i])];
            const QVariant have = ToFieldValue(f, rows_[r][size_t(columns[i])]);
            const QVariant want = values[qsizetype(i)];
            if (have.isNull() || want.isNull()) {
                all = have.isNull() && want.isNull();
            } else if (f.type == FieldType::Text || f.type == FieldType::Memo) {
                const QString h = have.toString(), w = want.toString();
                all = options.partialKey ? h.startsWith(w, cs) : h.compare(w, cs) == 0;
            } else {
                all = have == ToFieldValue(f, ToStoredValue(f, want));
            }
        }
        if (all) {
            moveTo(int(r));
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- fields

int Dataset::indexOf(const QString& name) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int Dataset::requireIndex(const QString& name) const
{
    const int i = indexOf(name);
    if (i < 0)
        throw Error(QStringLiteral("%1 has no field named %2.").arg(name_, name));
    return i;
}

const FieldDef& Dataset::field(const QString& name) const
{
    return fields_[size_t(requireIndex(name))];
}

QVariant Dataset::value(const QString& name) const
{
    if (!isOpen() || current_ < 0)
        return {};
    const int i = requireIndex(name);
    const Row& row = isEditing() ? buffer_ : rows_[size_t(current_)];
    return ToFieldValue(fields_[size_t(i)], row[size_t(i)]);
}

QVariant Dataset::valueAt(int row, const QString& name) const
{
    requireOpen();
    if (row < 0 || row >= int(rows_.size()))
        return {};
    const int i = requireIndex(name);
    const Row& r = (isEditing() && row == current_) ? buffer_ : rows_[size_t(row)];
    return ToFieldValue(fields_[size_t(i)], r[size_t(i)]);
}

void Dataset::setValue(const QString& name, const QVariant& value)
{
    if (!isEditing())
        throw Error(QStringLiteral("%1 is not being edited.").arg(name_));
    const int i = requireIndex(name);
    const FieldDef& f = fields_[size_t(i)];
    CheckFits(f, value);
    buffer_[size_t(i)] = ToStoredValue(f, value);
    notify(DataChange::FieldChanged, f.name);
}

// ---------------------------------------------------------------- editing

void Dataset::requireOpen() const
{
    if (!isOpen())
        throw Error(QStringLiteral("%1 is closed.").arg(name_));
}

void Dataset::requireEditable() const
{
    requireOpen();
    if (!isEditable())
        throw Error(QStringLiteral("%1 is read-only.").arg(name_));
}

void Dataset::append()
{
    requireEditable();
    checkBrowseMode();
    fire(beforeMove_);
    for (Dataset* d : std::vector<Dataset*>(details_))
        d->checkBrowseMode();
    const int row = int(rows_.size());
    emit rowAboutToBeInserted(row);
    rows_.push_back(Row(fields_.size()));
    emit rowInserted(row);
    current_ = row;
    buffer_ = rows_.back();
    original_ = buffer_;
    state_ = State::Insert;
    notify(DataChange::EditBegun);
    fire(afterInsert_);
}

void Dataset::edit()
{
    requireEditable();
    if (isEditing())
        return;
    if (rows_.empty()) {
        append();
        return;
    }
    buffer_ = rows_[size_t(current_)];
    original_ = buffer_;
    state_ = State::Edit;
    notify(DataChange::EditBegun);
}

void Dataset::post()
{
    if (!isEditing())
        return;
    fire(beforePost_);
    if (state_ == State::Insert)
        insertRow();
    else
        updateRow();
    rows_[size_t(current_)] = buffer_;
    state_ = State::Browse;
    notify(DataChange::RowStored);
}

void Dataset::cancel()
{
    if (!isEditing())
        return;
    const bool inserted = state_ == State::Insert;
    state_ = State::Browse;
    buffer_.clear();
    if (inserted)
        eraseRow(current_);
    notify(DataChange::RowMoved);
}

void Dataset::revertRow()
{
    if (state_ != State::Edit)
        return;
    buffer_ = original_;
    notify(DataChange::FieldChanged);
}

void Dataset::checkBrowseMode()
{
    if (isEditing())
        post();
}

void Dataset::remove()
{
    requireEditable();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (rows_.empty())
        throw Error(QStringLiteral("%1 has no row to delete.").arg(name_));
    state_ = State::Browse;
    QString where;
    QVariantList args;
    const Row& row = rows_[size_t(current_)];
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (!keyField_.isEmpty() && fields_[i].name.compare(keyField_, Qt::CaseInsensitive) != 0)
            continue;
        where += QStringLiteral("%1[%2] IS ?").arg(where.isEmpty() ? "" : " AND ", fields_[i].name);
        args << row[i];
    }
    Statement del = db_->prepare(QStringLiteral("DELETE FROM [%1] WHERE %2;").arg(updateTable_, where));
    for (int i = 0; i < args.size(); ++i)
        del.bindAt(i + 1, args[i]);
    del.step();
    eraseRow(current_);
    notify(DataChange::RowMoved);
}

void Dataset::eraseRow(int row)
{
    emit rowAboutToBeRemoved(row);
    rows_.erase(rows_.begin() + row);
    current_ = std::min(current_, int(rows_.size()) - 1);
    emit rowRemoved(row);
}

// ---------------------------------------------------------------- storing

void Dataset::insertRow()
{
    QStringList columns, marks;
    QVariantList args;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (buffer_[i].isNull())
            continue;
        columns << QStringLiteral("[%1]").arg(fields_[i].name);
        marks << QStringLiteral("?");
        args << buffer_[i];
    }
    const QString sql = columns.isEmpty() ? QStringLiteral("INSERT INTO [%1] DEFAULT VALUES;").arg(updateTable_)
                                          : QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3);")
                                                .arg(updateTable_, columns.join(", "), marks.join(", "));
    Statement insert = db_->prepare(sql);
    for (int i = 0; i < args.size(); ++i)
        insert.bindAt(i + 1, args[i]);
    insert.step();

    // Read the stored row back, with the numbers the engine assigned.
    QStringList all;
    for (const FieldDef& f : fields_)
        all << QStringLiteral("[%1]").arg(f.name);
    Statement back =
        db_->prepare(QStringLiteral("SELECT %1 FROM [%2] WHERE rowid = ?;").arg(all.join(", "), updateTable_));
    back.bindAt(1, db_->lastInsertId());
    if (back.step())
        for (size_t i = 0; i < fields_.size(); ++i)
            buffer_[i] = back.value(int(i));
}

void Dataset::updateRow()
{
    QStringList sets, conditions;
    QVariantList setArgs, whereArgs;
    for (size_t i = 0; i < fields_.size(); ++i) {
        const bool changed = buffer_[i] != original_[i];
        if (changed) {
            sets << QStringLiteral("[%1] = ?").arg(fields_[i].name);
            setArgs << buffer_[i];
        }
        if (keyField_.isEmpty() || fields_[i].name.compare(keyField_, Qt::CaseInsensitive) == 0) {
            conditions << QStringLiteral("[%1] IS ?").arg(fields_[i].name);
            whereArgs << original_[i];
        }
    }
    if (sets.isEmpty())
        return;
    Statement update = db_->prepare(
        QStringLiteral("UPDATE [%1] SET %2 WHERE %3;").arg(updateTable_, sets.join(", "), conditions.join(" AND ")));
    int n = 1;
    for (const QVariant& v : setArgs)
        update.bindAt(n++, v);
    for (const QVariant& v : whereArgs)
        update.bindAt(n++, v);
    update.step();
    if (db_->changes() == 0)
        throw Error(QStringLiteral("%1: the row to store is no longer in the database.").arg(name_));
}

// ---------------------------------------------------------------- notifications

void Dataset::fire(const std::vector<Handler>& handlers)
{
    const std::vector<Handler> copy = handlers; // a handler may add handlers
    for (const Handler& h : copy)
        h(*this);
}

void Dataset::notify(DataChange why, const QString& field)
{
    if (why == DataChange::Reloaded || why == DataChange::RowMoved || why == DataChange::RowStored)
        for (Dataset* d : std::vector<Dataset*>(details_))
            d->masterChanged();
    emit changed(why, field);
    if (why == DataChange::Reloaded || current_ != shownCurrent_) {
        shownCurrent_ = current_;
        emit currentRowChanged(current_);
    }
}

// The detail follows the master's key: it closes with the master and re-runs
// only when the key it ran with is no longer the master's.
void Dataset::masterChanged()
{
    if (!master_->isOpen()) {
        close();
        return;
    }
    if (!isOpen() || master_->value(masterField_) == param(masterParam_))
        return;
    checkBrowseMode();
    Result result = run();
    replaceRows(std::move(result), 0);
}

} // namespace lw
