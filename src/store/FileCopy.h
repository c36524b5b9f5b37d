#pragma once

#include <QString>
#include <functional>
#include <memory>

class QSaveFile;

namespace lw {

// Opens the file a copy is written through (tests hand in one that fails).
using CopyTargetFactory = std::function<std::unique_ptr<QSaveFile>(const QString& target)>;

// Copies source over target and tells the outcome as a text: "<size> bytes
// copied", or a text beginning with "Error". The copy goes to a temporary
// file beside the target that replaces it only when complete, so a failed
// copy leaves any old target as it was. The target gets the source's
// modification time and permissions.
QString CopyFileChecked(const QString& source, const QString& target);
QString CopyFileChecked(const QString& source, const QString& target,
                        const CopyTargetFactory& openTarget);

// A result of CopyFileChecked that reports a failure.
bool IsCopyFailure(const QString& result);

} // namespace lw
