#pragma once

struct sqlite3;

namespace lw {

class Clock;

// Installs on a connection what the program's queries expect of the engine:
// Now() in local time from the clock, one instant per run of a statement;
// Like with the program's wildcards; and text comparison and ordering that
// ignore letter case for every letter (NOCASE, which the schema names on its
// text columns).
// The returned state belongs to the connection and goes with it.
struct SqlFunctionState;
SqlFunctionState* InstallSqlFunctions(sqlite3* db, const Clock* clock);

// Turns off, for as long as it lives, the notice of each statement's start
// that gives Now() its instant per run: the engine's export cannot run with
// it on. Now() keeps its last instant meanwhile.
class StatementNoticeOff {
public:
    StatementNoticeOff(sqlite3* db, SqlFunctionState* state);
    ~StatementNoticeOff();
    StatementNoticeOff(const StatementNoticeOff&) = delete;
    StatementNoticeOff& operator=(const StatementNoticeOff&) = delete;

private:
    sqlite3* db_;
    SqlFunctionState* state_;
};

} // namespace lw
