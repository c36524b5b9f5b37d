#pragma once

#include <QString>

namespace lw {

// The text without the blanks and control characters at its ends: how a
// typed name, search text or title is tested for emptiness.
QString TrimBlanks(const QString& text);

} // namespace lw
