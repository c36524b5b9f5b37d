#include "RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {

RegularFileContent ReadRegularFile(const QString& path, qint64 maxBytes)
{
    RegularFileContent out;
    // Non-blocking, so that opening a pipe returns at once.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        out.readable = errno == ENOENT || errno == ENOTDIR;
        return out;
    }
    struct stat st { };
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return out;
    }
    out.readable = true;
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return out;
    }
    out.regular = true;
    out.bytes.resize(qsizetype(std::min<qint64>(maxBytes + 1, std::max<qint64>(st.st_size, 0) + 1)));
    qint64 got = 0;
    while (got < out.bytes.size()) {
        const ssize_t n = ::read(fd, out.bytes.data() + got, size_t(out.bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            out.readable = false;
            out.bytes.clear();
            ::close(fd);
            return out;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    out.truncated = got > maxBytes;
    out.bytes.truncate(qsizetype(std::min(got, maxBytes)));
    return out;
}

} // namespace lw
