#include "SqlFunctions.h"

#include "Clock.h"
#include "JetPattern.h"
#include "SqlError.h"
#include "Statement.h"

#include <QString>
#include <sqlite3.h>
#include <string_view>

namespace lw {
namespace {

std::string_view textArg(sqlite3_value* v)
{
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return t ? std::string_view(t, size_t(sqlite3_value_bytes(v))) : std::string_view();
}

void nowFunction(sqlite3_context* ctx, int, sqlite3_value**)
{
    const auto* clock = static_cast<const Clock*>(sqlite3_user_data(ctx));
    const QByteArray t = DateTimeText(clock ? clock->now() : QDateTime::currentDateTime()).toUtf8();
    sqlite3_result_text(ctx, t.constData(), int(t.size()), SQLITE_TRANSIENT);
}

// "text LIKE pattern" reaches here as like(pattern, text).
void likeFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int(ctx, MatchesLikePattern(textArg(argv[0]), textArg(argv[1])) ? 1 : 0);
}

// Case-insensitive for every letter. ASCII runs are compared in place; from
// the first non-ASCII byte on, the rest is compared as case-folded text.
int compareNoCase(void*, int na, const void* a, int nb, const void* b)
{
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    const int n = na < nb ? na : nb;
    int i = 0;
    for (; i < n; ++i) {
        const unsigned char ca = pa[i], cb = pb[i];
        if (ca >= 0x80 || cb >= 0x80)
            break;
        const int la = (ca >= 'A' && ca <= 'Z') ? ca + 32 : ca;
        const int lb = (cb >= 'A' && cb <= 'Z') ? cb + 32 : cb;
        if (la != lb)
            return la - lb;
    }
    if (i == n)
        return na - nb;
    const QString ra = QString::fromUtf8(reinterpret_cast<const char*>(pa + i), na - i);
    const QString rb = QString::fromUtf8(reinterpret_cast<const char*>(pb + i), nb - i);
    return ra.compare(rb, Qt::CaseInsensitive);
}

void check(sqlite3* db, int rc)
{
    if (rc != SQLITE_OK)
        throw SqlError(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

void InstallSqlFunctions(sqlite3* db, const Clock* clock)
{
    void* clockData = const_cast<Clock*>(clock);
    // Declared deterministic, the engine takes Now() for a constant of the
    // statement: one instant per run of a statement, read once, not once per row.
    check(db, sqlite3_create_function_v2(db, "now", 0, SQLITE_UTF8 | SQLITE_DETERMINISTIC, clockData, nowFunction,
                                         nullptr, nullptr, nullptr));
    check(db, sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction,
                                         nullptr, nullptr, nullptr));
    check(db, sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase, nullptr));
}

} // namespace lw
