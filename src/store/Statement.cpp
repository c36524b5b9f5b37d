#include "Statement.h"

#include "SecretWipe.h"
#include "SqlDialect.h"
#include "SqlError.h"

#include <QDateTime>
#include <sqlite3.h>

namespace lw {

QString DateTimeText(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

Statement::Statement(sqlite3* db, const QString& sql) : db_(db)
{
    const QByteArray text = TranslateQuotedLiterals(sql).toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt_, &tail);
    if (rc != SQLITE_OK)
        fail(rc);
    if (!stmt_)
        throw SqlError(QStringLiteral("The query is empty."));
    for (; tail && *tail; ++tail) {
        if (*tail != ';' && !QChar::isSpace(uchar(*tail))) {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            throw SqlError(QStringLiteral("Only one statement may be run at a time: %1").arg(sql));
        }
    }
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_)
{
    other.stmt_ = nullptr;
}

void Statement::fail(int rc) const
{
    const char* msg = sqlite3_errmsg(db_);
    throw SqlError(QString::fromUtf8(msg && *msg ? msg : sqlite3_errstr(rc)));
}

int Statement::parameterCount() const
{
    return sqlite3_bind_parameter_count(stmt_);
}

QString Statement::parameterName(int index) const
{
    const char* name = sqlite3_bind_parameter_name(stmt_, index);
    return name ? QString::fromUtf8(name + 1) : QString();
}

void Statement::bind(const QString& name, const QVariant& value)
{
    QString wanted = name.startsWith(u':') ? name.mid(1) : name;
    for (int i = 1; i <= parameterCount(); ++i) {
        if (parameterName(i).compare(wanted, Qt::CaseInsensitive) == 0) {
            bindAt(i, value);
            return;
        }
    }
    throw SqlError(QStringLiteral("The query has no parameter named %1.").arg(wanted));
}

void Statement::bindAt(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(stmt_, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::Long:
            rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt_, index, value.toDouble());
            break;
        case QMetaType::QDateTime:
        case QMetaType::QDate: {
            const QByteArray t = DateTimeText(value.toDateTime()).toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob(stmt_, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(rc);
}

void Statement::bindSecretAt(int index, const SecretBytes& key)
{
    if (const int rc = sqlite3_bind_text(stmt_, index, key.data(), key.size(), SQLITE_STATIC); rc != SQLITE_OK)
        fail(rc);
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    fail(rc);
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(stmt_);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

QString Statement::columnDeclType(int column) const
{
    const char* t = sqlite3_column_decltype(stmt_, column);
    return t ? QString::fromUtf8(t) : QString();
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, column));
    case SQLITE_TEXT: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return QVariant(QString::fromUtf8(t, sqlite3_column_bytes(stmt_, column)));
    }
    case SQLITE_BLOB: {
        const auto* b = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        return QVariant(QByteArray(b, sqlite3_column_bytes(stmt_, column)));
    }
    default:
        return QVariant();
    }
}

} // namespace lw
