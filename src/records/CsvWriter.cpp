#include "CsvWriter.h"

#include <csv.h>

namespace lw {

QByteArray CsvLine(const QStringList& fields)
{
    QByteArray line;
    for (const QString& field : fields) {
        if (!line.isEmpty())
            line += ',';
        const QByteArray text = field.toUtf8();
        // At worst every character is a quote written twice, plus the two around.
        QByteArray quoted(2 * text.size() + 2, Qt::Uninitialized);
        const size_t size = csv_write(quoted.data(), size_t(quoted.size()), text.constData(), size_t(text.size()));
        line.append(quoted.constData(), qsizetype(size));
    }
    return line + '\n';
}

} // namespace lw
