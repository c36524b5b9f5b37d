#include "AtomicFile.h"

#include "Error.h"
#include "SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString uniqueSuffix()
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString s;
    for (int i = 0; i < 8; ++i)
        s += QChar(kChars[QRandomGenerator::system()->bounded(int(sizeof(kChars) - 1))]);
    return s;
}

int openFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    return ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Removes `path` when no process holds it locked; its "-journal" goes with it.
void removeIfDead(const QString& path)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st { };
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::unlink(native(path + QStringLiteral("-journal")).constData());
        ::unlink(native(path).constData());
    }
    ::close(fd);
}

} // namespace

AtomicFile::AtomicFile(QString target, QString tempPrefix)
    : target_(std::move(target)), prefix_(tempPrefix.isEmpty() ? target_ + QStringLiteral(".~") : std::move(tempPrefix))
{
}

AtomicFile::~AtomicFile()
{
    if (!committed_ && !temp_.isEmpty()) {
        ::unlink(native(temp_ + QStringLiteral("-journal")).constData());
        ::unlink(native(temp_).constData());
    }
    if (fd_ >= 0)
        ::close(fd_);
}

void AtomicFile::fail(const QString& what, int errorNumber) const
{
    throw Error(QStringLiteral("Cannot %1 \"%2\": %3").arg(what, target_, SystemReason(errorNumber)));
}

void AtomicFile::open()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = prefix_ + QLatin1Char('.') + uniqueSuffix();
        const int fd = ::open(native(name).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            fail(QStringLiteral("write"), errno);
        }
        // Locked from the start, so that a clean-up leaves it alone. A clean-up
        // that took it in the instant before has unlinked it: try another name.
        struct stat st { };
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
            ::close(fd);
            continue;
        }
        fd_ = fd;
        temp_ = name;
        return;
    }
    fail(QStringLiteral("write"), EEXIST);
}

void AtomicFile::write(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("write"), errno);
        }
        if (n == 0)
            fail(QStringLiteral("write"), ENOSPC);
        data += n;
        size -= n;
        written_ += n;
    }
    startWriteback();
}

// A long file is handed to the disk while the rest is still being made, so
// that the sync at commit waits only for its tail. A hint: a failure shows
// at the sync.
void AtomicFile::startWriteback()
{
    constexpr qint64 kWritebackChunk = 4 << 20;
    if (written_ - handedToDisk_ < kWritebackChunk)
        return;
#ifdef __linux__
    ::sync_file_range(fd_, handedToDisk_, written_ - handedToDisk_, SYNC_FILE_RANGE_WRITE);
#endif
    handedToDisk_ = written_;
}

void AtomicFile::commit()
{
    if (::fsync(fd_) != 0)
        fail(QStringLiteral("write"), errno);
    // A file rewritten keeps its permissions; a new one is for its owner only.
    mode_t mode = 0600;
    struct stat old { };
    if (mode_ >= 0)
        mode = mode_t(mode_);
    else if (::stat(native(target_).constData(), &old) == 0 && S_ISREG(old.st_mode))
        mode = old.st_mode & 07777;
    if (::fchmod(fd_, mode) != 0)
        fail(QStringLiteral("write"), errno);
    if (::rename(native(temp_).constData(), native(target_).constData()) != 0)
        fail(QStringLiteral("replace"), errno);
    committed_ = true;
    SyncFolderOf(target_);
}

int AtomicFile::releaseHandle()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void RemoveDeadTemporaries(const QString& folder, const QString& prefix)
{
    QDir dir(folder);
    const QStringList names = dir.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!name.startsWith(prefix)) // name filters ignore letter case
            continue;
        if (name.endsWith(QStringLiteral("-journal"))) {
            const QString base = name.chopped(8);
            if (!dir.exists(base)) // the file it belonged to is gone
                ::unlink(native(dir.filePath(name)).constData());
            continue;
        }
        removeIfDead(dir.filePath(name));
    }
}

void SyncFolderOf(const QString& path)
{
    const int fd = openFolder(path);
    if (fd < 0)
        throw Error(QStringLiteral("Cannot sync the folder of \"%1\": %2").arg(path, SystemReason(errno)));
    const int rc = ::fsync(fd);
    const int err = errno;
    ::close(fd);
    // Some file systems cannot sync a folder; the rename itself has happened.
    if (rc != 0 && err != EINVAL && err != EROFS)
        throw Error(QStringLiteral("Cannot sync the folder of \"%1\": %2").arg(path, SystemReason(err)));
}

} // namespace lw
