#pragma once

#include <QByteArray>
#include <QStringList>

namespace lw {

// One CSV record as UTF-8 text ending in a line feed: every field in double
// quotes, a quote inside a field written twice, line breaks and commas kept.
QByteArray CsvLine(const QStringList& fields);

} // namespace lw
