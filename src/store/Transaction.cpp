#include "Transaction.h"

#include "Connection.h"

namespace lw {

Transaction::Transaction(Connection& db) : db_(db)
{
    db_.exec(QStringLiteral("BEGIN IMMEDIATE;"));
}

Transaction::~Transaction()
{
    if (!open_)
        return;
    try {
        db_.exec(QStringLiteral("ROLLBACK;"));
    } catch (...) { // the engine has rolled back by itself when it cannot go on
    }
}

void Transaction::commit()
{
    db_.exec(QStringLiteral("COMMIT;"));
    open_ = false;
}

} // namespace lw
