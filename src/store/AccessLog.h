#pragma once

#include "store/AliasStore.h"
#include "store/Clock.h"

#include <QString>

namespace lw {

// The user's date and time separators, as in "03/07/2001 12:05 AM".
struct LogSeparators {
    QString date = "/";
    QString time = ":";
};

// The separators of the system locale's short date and time formats; a slash
// and a colon where a format has none.
LogSeparators SystemLogSeparators();
LogSeparators LogSeparatorsFromFormats(const QString& dateFormat, const QString& timeFormat);

// The access log "Log.txt": one line per unlock attempt, oldest first,
//   03/07/2001 12:05 AM ... Family ... success
// in Windows-1252 with CR LF line ends. Failures to read or write it throw
// lw::Error.
class AccessLog {
public:
    static constexpr qint64 kMaxBytes = 25000;

    AccessLog(QString folder, const AliasStore& aliases, const Clock& clock,
              LogSeparators separators = SystemLogSeparators());

    // "Log.txt" in the folder, or an existing file of that name in other
    // letter case (such as "log.txt").
    QString path() const;

    bool exists() const;
    // The whole log as text, lines ending in "\n".
    QString ReadLog() const;
    // Replaces the log with an empty file, creating it when missing.
    void ClearLog();

    // Appends one line for the current database; creates the log when missing.
    void WriteAccessLogEntry(bool granted);
    // Removes up to n lines from the start; an emptied log stays as an empty file.
    void TrimAccessLog(int n);
    // The start-up check: a log above kMaxBytes loses its ten oldest lines.
    // Never throws: a trim that fails gives its message (to be shown once),
    // an empty text otherwise, and the log stays as it was.
    QString TrimIfOversized() noexcept;

private:
    QString entry(bool granted) const;

    QString folder_;
    const AliasStore& aliases_;
    const Clock& clock_;
    LogSeparators separators_;
};

} // namespace lw
