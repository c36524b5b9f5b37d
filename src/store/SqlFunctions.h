#pragma once

struct sqlite3;

namespace lw {

class Clock;

// Installs on a connection what the program's queries expect of the engine:
// Now() in local time from the clock, Like with the program's wildcards, and
// text comparison and ordering that ignore letter case for every letter
// (NOCASE, which the schema names on its text columns).
void InstallSqlFunctions(sqlite3* db, const Clock* clock);

} // namespace lw
