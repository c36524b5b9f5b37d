#pragma once

#include <QString>
#include <memory>

namespace lw {

class Connection;
class FileLock;

// The start of the name of the temporary file a compaction writes beside the
// database; a unique suffix follows, so that two processes never share it.
inline constexpr const char* kCompactionFileName = "~f8njid.fee";

// Checks and compacts a closed, unscrambled database through a temporary
// file that replaces it in one step. Any failure throws lw::Error and leaves
// the database as it was. When `lock` is given it takes over the locked
// handle of the compacted file, so that the database stays locked.
void CompactDatabase(const QString& path, const QString& password, FileLock* lock = nullptr);
// The same through the connection of the database being closed, which it
// closes: no second key derivation.
void CompactDatabase(std::unique_ptr<Connection> db, FileLock* lock = nullptr);

// Removes the temporary files (and their journals) that a compaction or a
// scramble of a database in this folder left when its process was killed.
void RemoveLeftoverFiles(const QString& databasePath);

} // namespace lw
