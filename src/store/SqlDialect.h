#pragma once

#include <QString>

namespace lw {

// The program's queries quote their string literals in double quotes.
// This turns each such literal into a standard single-quoted one and leaves
// single-quoted literals and [bracketed] names as they are.
QString TranslateQuotedLiterals(const QString& sql);

} // namespace lw
