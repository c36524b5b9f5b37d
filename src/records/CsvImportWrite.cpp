// Adding the accounts of an import, all in one transaction.
#include "CsvImport.h"

#include "store/Connection.h"
#include "store/Transaction.h"

#include <QHash>

namespace lw {
namespace {

QVariant textOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// The number of a group, found by name or added, remembered for the next account.
class GroupNumbers {
public:
    explicit GroupNumbers(Connection& db)
        : db_(db), find_(db.prepare(QStringLiteral("SELECT GroupID FROM Groups WHERE Name = ?1;"))),
          add_(db.prepare(QStringLiteral("INSERT INTO Groups (Name) VALUES (?1);")))
    {
    }

    qint64 of(const QString& name)
    {
        const QString key = CsvImport::GroupKey(name);
        if (const auto it = known_.constFind(key); it != known_.constEnd())
            return it.value();
        find_.bindAt(1, name);
        qint64 id = 0;
        if (find_.step()) {
            id = find_.value(0).toLongLong();
        } else {
            add_.bindAt(1, name);
            add_.step();
            add_.reset();
            id = db_.lastInsertId();
        }
        find_.reset();
        known_.insert(key, id);
        return id;
    }

private:
    Connection& db_;
    Statement find_;
    Statement add_;
    QHash<QString, qint64> known_;
};

} // namespace

void CsvImport::Write(Connection& db, const QDateTime& importDate) const
{
    const QDateTime assigned(importDate.date(), QTime(0, 0));
    Transaction transaction(db);
    GroupNumbers groups(db);
    Statement insert = db.prepare(QStringLiteral("INSERT INTO Passwords (GroupID, Description, ID, Password, URL, "
                                                 "Notes, AssignDate) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7);"));
    for (const ImportedAccount& a : accounts_) {
        insert.bindAt(1, groups.of(a.group));
        insert.bindAt(2, a.description);
        insert.bindAt(3, textOrNull(a.id));
        insert.bindAt(4, textOrNull(a.password));
        insert.bindAt(5, textOrNull(a.url));
        insert.bindAt(6, textOrNull(a.notes));
        insert.bindAt(7, assigned);
        insert.step();
        insert.reset();
    }
    transaction.commit();
}

} // namespace lw
