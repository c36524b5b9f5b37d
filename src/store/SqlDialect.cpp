#include "SqlDialect.h"

namespace lw {

QString TranslateQuotedLiterals(const QString& sql)
{
    QString out;
    out.reserve(sql.size() + 8);
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'[') {
            // Copy a single-quoted literal or a bracketed name unchanged.
            const QChar close = (c == u'[') ? u']' : u'\'';
            out += c;
            for (++i; i < n; ++i) {
                out += sql[i];
                if (sql[i] == close) {
                    if (close == u'\'' && i + 1 < n && sql[i + 1] == u'\'') {
                        out += sql[++i];
                        continue;
                    }
                    break;
                }
            }
            continue;
        }
        if (c != u'"') {
            out += c;
            continue;
        }
        out += u'\'';
        for (++i; i < n; ++i) {
            if (sql[i] == u'"') {
                if (i + 1 < n && sql[i + 1] == u'"') {
                    out += u'"';
                    ++i;
                    continue;
                }
                break;
            }
            if (sql[i] == u'\'')
                out += u'\'';
            out += sql[i];
        }
        out += u'\'';
    }
    return out;
}

} // namespace lw
