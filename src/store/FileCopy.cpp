#include "FileCopy.h"

#include "settings/AtomicFile.h"
#include "settings/Error.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace lw {
namespace {

constexpr qint64 kBlockSize = 61440;

const QString kSameFile = "Error - Source is same as Target";
const QString kNoSource = "Error - Source File not found";
const QString kNoTargetDir = "Error - Target Directory not found";
const QString kSourceInUse = "Error - Source file is in use. It cannot be opened";
const QString kTargetLocked = "Error - Target file is in use or is read-only. It cannot be overwritten";
const QString kCopyFailed = "Error - An Error occured while copying. Check available space on  target drive ";

bool copyBlocks(QFile& in, AtomicFile& out, qint64 size)
{
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (qint64 left = size; left > 0;) {
        qint64 n = in.read(block.data(), qMin(left, kBlockSize));
        if (n <= 0)
            return false;
        out.write(block.constData(), n);
        left -= n;
    }
    return true;
}

// The source's permissions for its owner, none for anyone else.
unsigned ownerModeOf(const QFileInfo& source)
{
    const QFileDevice::Permissions p = source.permissions();
    return (p.testFlag(QFileDevice::ReadOwner) ? 0400u : 0u) | (p.testFlag(QFileDevice::WriteOwner) ? 0200u : 0u) |
           (p.testFlag(QFileDevice::ExeOwner) ? 0100u : 0u);
}

} // namespace

CopyResult CopyFileChecked(const QString& source, const QString& target)
{
    if (source == target)
        return {false, kSameFile};
    const QFileInfo from(source);
    if (!from.exists() || from.isDir())
        return {false, kNoSource};
    const QFileInfo to(target);
    if (!QFileInfo(to.absolutePath()).isDir())
        return {false, kNoTargetDir};

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {false, kSourceInUse};
    if (to.exists() && (!to.isWritable() || !to.isFile()))
        return {false, kTargetLocked};
    RemoveDeadTemporaries(to.absolutePath(), to.fileName() + QStringLiteral(".~"));
    AtomicFile out(target);
    try {
        out.open();
    } catch (const Error&) {
        return {false, kTargetLocked};
    }
    try {
        const qint64 size = in.size();
        if (!copyBlocks(in, out, size))
            return {false, kCopyFailed}; // the unfinished temporary file is removed with `out`
        // Set on the finished temporary file, so the target appears with them.
        const qint64 msecs = from.lastModified().toMSecsSinceEpoch();
        const timespec times[2] = {{0, UTIME_OMIT}, {time_t(msecs / 1000), long(msecs % 1000) * 1000000}};
        ::futimens(out.handle(), times);
        // The copy of a database is for its owner only.
        out.setMode(ownerModeOf(from));
        out.commit();
        return {true, QString::number(size) + " bytes copied"};
    } catch (const Error&) {
        return {false, kCopyFailed};
    }
}

} // namespace lw
