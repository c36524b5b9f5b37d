#pragma once

#include <QString>

namespace lw {

// The reason a file operation failed, for a message to the user: "The disk is
// full" for a full disk or quota, the system's own text for anything else.
QString SystemReason(int errorNumber);

} // namespace lw
