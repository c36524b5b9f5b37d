#pragma once

#include <QString>

namespace lw {

// The outcome of a copy: whether it succeeded, and the text the user is
// shown: "<size> bytes copied", or what went wrong.
struct CopyResult {
    bool ok = false;
    QString text;
};

// Copies source over target. The copy goes to a temporary
// file beside the target that replaces it only when complete and synced, so a
// failed copy leaves any old target as it was. The target gets the source's
// modification time and the owner's permissions of the source only.
CopyResult CopyFileChecked(const QString& source, const QString& target);

} // namespace lw
