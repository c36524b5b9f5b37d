#pragma once

#include <QByteArray>
#include <QString>

namespace lw {

// Windows-1252, the single-byte character set of the access log and of the
// file cipher's key text. A character outside it becomes '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);

} // namespace lw
