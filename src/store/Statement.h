#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace lw {

class SecretBytes;

// One prepared statement. Values are QVariants: null, integers, booleans
// (stored 1/0), texts, dates (stored as local "yyyy-MM-dd HH:mm:ss" text).
class Statement {
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;

    // Binds a named parameter (":GroupId"); the name is matched without regard to case.
    void bind(const QString& name, const QVariant& value);
    void bindAt(int index, const QVariant& value); // 1-based
    // Binds a key as text without the engine taking a copy of it: the key
    // must outlive the statement, and is wiped by its owner.
    void bindSecretAt(int index, const SecretBytes& key);
    int parameterCount() const;
    QString parameterName(int index) const; // 1-based, without its ':'

    bool step(); // true while a row is ready
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString columnDeclType(int column) const;
    QVariant value(int column) const;

private:
    [[noreturn]] void fail(int rc) const;
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// The stored text of a date-time value.
QString DateTimeText(const QDateTime& value);

} // namespace lw
