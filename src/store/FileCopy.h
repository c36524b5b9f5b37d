#pragma once

#include <QString>

namespace lw {

// Copies source over target and tells the outcome as a text: "<size> bytes
// copied", or a text beginning with "Error". The copy goes to a temporary
// file beside the target that replaces it only when complete and synced, so a
// failed copy leaves any old target as it was. The target gets the source's
// modification time and the owner's permissions of the source only.
QString CopyFileChecked(const QString& source, const QString& target);

// A result of CopyFileChecked that reports a failure.
bool IsCopyFailure(const QString& result);

} // namespace lw
