#pragma once

#include <QString>

namespace lw {

class Messages;

// The temporary file a compaction writes beside the database.
inline constexpr const char* kCompactionFileName = "~f8njid.fee";

// Checks and compacts a closed, unscrambled database through a temporary
// file. A failed copy back is reported and leaves the compacted copy under the
// temporary name; engine errors are thrown and leave the database untouched.
void CompactDatabase(const QString& path, const QString& password, Messages& messages);

} // namespace lw
