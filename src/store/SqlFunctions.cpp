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

} // namespace

// What Now() gives during one run of a statement: the clock is read at the
// first call and the same instant serves every row of that run.
struct SqlFunctionState {
    const Clock* clock = nullptr;
    QByteArray text; // empty until read in the current run
};

namespace {

void nowFunction(sqlite3_context* ctx, int, sqlite3_value**)
{
    auto* instant = static_cast<SqlFunctionState*>(sqlite3_user_data(ctx));
    if (instant->text.isEmpty())
        instant->text = DateTimeText(instant->clock ? instant->clock->now() : QDateTime::currentDateTime()).toUtf8();
    sqlite3_result_text(ctx, instant->text.constData(), int(instant->text.size()), SQLITE_TRANSIENT);
}

// Called as a statement begins a run (and as a trigger inside it begins,
// which belongs to the same run): a new run reads the clock again.
int statementStarts(unsigned, void* data, void*, void* sqlText)
{
    const char* text = static_cast<const char*>(sqlText);
    if (!(text && text[0] == '-' && text[1] == '-'))
        static_cast<SqlFunctionState*>(data)->text.clear();
    return 0;
}

void destroyState(void* data)
{
    delete static_cast<SqlFunctionState*>(data);
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

SqlFunctionState* InstallSqlFunctions(sqlite3* db, const Clock* clock)
{
    // The connection owns the state: the engine frees it with the function.
    auto* state = new SqlFunctionState{clock, {}};
    check(db,
          sqlite3_create_function_v2(db, "now", 0, SQLITE_UTF8, state, nowFunction, nullptr, nullptr, destroyState));
    check(db, sqlite3_trace_v2(db, SQLITE_TRACE_STMT, statementStarts, state));
    check(db, sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction,
                                         nullptr, nullptr, nullptr));
    check(db, sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase, nullptr));
    return state;
}

StatementNoticeOff::StatementNoticeOff(sqlite3* db, SqlFunctionState* state) : db_(db), state_(state)
{
    sqlite3_trace_v2(db_, 0, nullptr, nullptr);
}

StatementNoticeOff::~StatementNoticeOff()
{
    sqlite3_trace_v2(db_, SQLITE_TRACE_STMT, statementStarts, state_);
}

} // namespace lw
