#include "FileLock.h"

#include "settings/Error.h"
#include "settings/SystemError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {

FileLock::~FileLock()
{
    release();
}

void FileLock::acquire(const QString& path)
{
    release();
    const QByteArray name = QFile::encodeName(path);
    // The file may be replaced between the open and the lock; the lock counts
    // only when it is on the file that still stands under the name.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            throw Error(QStringLiteral("Cannot open \"%1\": %2").arg(path, SystemReason(errno)));
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int err = errno;
            ::close(fd);
            if (err == EWOULDBLOCK)
                throw Error(QStringLiteral("The database \"%1\" is in use by another program. "
                                           "Close it there first.")
                                .arg(path));
            throw Error(QStringLiteral("Cannot lock \"%1\": %2").arg(path, SystemReason(err)));
        }
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
    throw Error(QStringLiteral("Cannot lock \"%1\": it keeps being replaced").arg(path));
}

void FileLock::adopt(int handle)
{
    const int old = fd_;
    fd_ = handle;
    if (old >= 0)
        ::close(old);
}

void FileLock::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace lw
