#include "SystemError.h"

#include <cerrno>
#include <cstring>

namespace lw {

QString SystemReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("The disk is full");
    case EFBIG:
        return QStringLiteral("The disk is full (the file size limit is reached)");
    case EROFS:
        return QStringLiteral("The disk is read-only");
    case EACCES:
    case EPERM:
        return QStringLiteral("Permission denied");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

} // namespace lw
