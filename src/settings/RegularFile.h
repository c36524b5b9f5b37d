#pragma once

#include <QByteArray>
#include <QString>

namespace lw {

// The whole content of a regular file of at most `maxBytes`: a missing file,
// a file that is not regular (a pipe, a device) and an unreadable one give
// nothing; a longer file gives its first `maxBytes`. Never blocks on a pipe.
struct RegularFileContent {
    bool readable = false; // false: exists but cannot be read
    bool regular = false; // false: missing or not a regular file
    bool truncated = false;
    QByteArray bytes;
};
RegularFileContent ReadRegularFile(const QString& path, qint64 maxBytes);

} // namespace lw
