#include "ProcessHardening.h"

#include "settings/Error.h"
#include "settings/SystemError.h"

#include <cerrno>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace lw {

void HardenProcess()
{
    const rlimit none{0, 0};
    if (setrlimit(RLIMIT_CORE, &none) != 0)
        throw Error(QStringLiteral("Core dumps could not be turned off: %1").arg(SystemReason(errno)));
    if (prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
        throw Error(
            QStringLiteral("The program's memory could not be closed to other programs: %1").arg(SystemReason(errno)));
}

} // namespace lw
