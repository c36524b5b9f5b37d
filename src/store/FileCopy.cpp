#include "FileCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lw {
namespace {

constexpr qint64 kBlockSize = 61440;

const QString kSameFile = "Error - Source is same as Target";
const QString kNoSource = "Error - Source File not found";
const QString kNoTargetDir = "Error - Target Directory not found";
const QString kSourceInUse = "Error - Source file is in use. It cannot be opened";
const QString kTargetLocked = "Error - Target file is in use or is read-only. It cannot be overwritten";
const QString kCopyFailed =
    "Error - An Error occured while copying. Check available space on  target drive ";

bool copyBlocks(QFile& in, QSaveFile& out, qint64 size)
{
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (qint64 left = size; left > 0;) {
        qint64 n = in.read(block.data(), qMin(left, kBlockSize));
        if (n <= 0 || out.write(block.constData(), n) != n)
            return false;
        left -= n;
    }
    return out.flush();
}

// The owner, group and other bits only: the "user" flags describe what this
// process may do, and writing them back would grant the owner those rights.
QFileDevice::Permissions modeBits(QFileDevice::Permissions p)
{
    return p & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

} // namespace

QString CopyFileChecked(const QString& source, const QString& target)
{
    return CopyFileChecked(source, target,
                           [](const QString& t) { return std::make_unique<QSaveFile>(t); });
}

QString CopyFileChecked(const QString& source, const QString& target,
                        const CopyTargetFactory& openTarget)
{
    if (source == target)
        return kSameFile;
    const QFileInfo from(source);
    if (!from.exists() || from.isDir())
        return kNoSource;
    const QFileInfo to(target);
    if (!QFileInfo(to.absolutePath()).isDir())
        return kNoTargetDir;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return kSourceInUse;
    if (to.exists() && !to.isWritable())
        return kTargetLocked;
    std::unique_ptr<QSaveFile> out = openTarget(target);
    if (!out->open(QIODevice::WriteOnly))
        return kTargetLocked;

    const qint64 size = in.size();
    if (!copyBlocks(in, *out, size))
        return kCopyFailed; // the unfinished temporary file is removed with `out`

    // Set on the finished temporary file, so the target appears with them.
    out->setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
    out->setPermissions(modeBits(from.permissions()));
    if (!out->commit())
        return kCopyFailed;
    return QString::number(size) + " bytes copied";
}

bool IsCopyFailure(const QString& result)
{
    return result.left(5) == "Error";
}

} // namespace lw
