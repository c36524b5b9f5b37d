#pragma once

#include <QByteArray>
#include <QString>

namespace lw {

class Connection;

// Every account of the database in the column layout of KeePassXC's CSV
// export, which KeePassXC and this program import: "Group", "Title",
// "Username", "Password", "URL", "Notes". The group is written as a path from
// KeePassXC's root group, "Root/" followed by the group's name. Accounts come
// in order of group name and description. Passwords are in clear text.
QByteArray AccountsCsv(Connection& db);

// Writes AccountsCsv to `path` for its owner only (0600), through a temporary
// file renamed over it, so that a failure leaves the old file as it was.
// Returns the number of accounts written. Throws an Error naming the file.
int ExportAccountsCsv(Connection& db, const QString& path);

} // namespace lw
