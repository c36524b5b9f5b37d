#pragma once

#include <QString>
#include <QStringList>

namespace lw {

class Connection;

// The four groups a new database may start with, in creation order.
const QStringList& SampleGroupNames();

// Builds a new password database at path, replacing any file there. The file
// is left closed and not scrambled.
void CreatePasswordDatabase(const QString& path, const QString& masterPassword, bool sampleGroups);

// The index on the expiry date that keeps the expired-accounts list quick,
// created in the schema named (of a file of an earlier build that lacks it).
QString ExpireIndexStatement(const QString& schemaName = QStringLiteral("main"));

// Refuses a connection to a file that is not a password database.
void CheckPasswordDatabase(Connection& db);

} // namespace lw
