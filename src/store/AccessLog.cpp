#include "AccessLog.h"

#include "settings/AtomicFile.h"
#include "settings/Error.h"
#include "settings/SystemError.h"
#include "store/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

const QString kFileName = "Log.txt";
const QByteArray kLineEnd = "\r\n";

// The first character of a format that is neither a field letter, a blank
// nor a quote.
QString separatorIn(const QString& format, const QString& fallback)
{
    for (QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != '\'')
            return QString(c);
    return fallback;
}

QString digits(int n, int width)
{
    return QString("%1").arg(n, width, 10, QChar('0'));
}

// The lines of the file without their line ends; a final line end does not
// start another line.
QList<QByteArray> splitLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

[[noreturn]] void fail(const char* what, const QString& file, int errorNumber)
{
    throw Error(QString("Cannot %1 the access log \"%2\": %3").arg(what, file, SystemReason(errorNumber)));
}

} // namespace

LogSeparators SystemLogSeparators()
{
    QLocale locale = QLocale::system();
    return LogSeparatorsFromFormats(locale.dateFormat(QLocale::ShortFormat), locale.timeFormat(QLocale::ShortFormat));
}

LogSeparators LogSeparatorsFromFormats(const QString& dateFormat, const QString& timeFormat)
{
    return {separatorIn(dateFormat, "/"), separatorIn(timeFormat, ":")};
}

AccessLog::AccessLog(QString folder, const AliasStore& aliases, const Clock& clock, LogSeparators separators)
    : folder_(std::move(folder)), aliases_(aliases), clock_(clock), separators_(std::move(separators))
{
}

QString AccessLog::path() const
{
    QDir dir(folder_);
    if (!dir.exists(kFileName)) {
        // Name filters of QDir ignore letter case.
        const QStringList other = dir.entryList({kFileName}, QDir::Files | QDir::Hidden);
        if (!other.isEmpty())
            return dir.filePath(other.first());
    }
    return dir.filePath(kFileName);
}

QString AccessLog::entry(bool granted) const
{
    const QDateTime t = clock_.now();
    const QDate d = t.date();
    const int hour = t.time().hour();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const QString& ds = separators_.date;

    QString name = QFileInfo(aliases_.GetDatabasePath()).fileName();
    name.chop(4); // the ".pdb" extension

    return digits(d.month(), 2) + ds + digits(d.day(), 2) + ds + digits(d.year(), 4) + " " + digits(hour12, 2) +
           separators_.time + digits(t.time().minute(), 2) + (hour < 12 ? " AM" : " PM") + " ... " + name +
           (granted ? " ... success" : " ... failed");
}

bool AccessLog::exists() const
{
    return QFileInfo::exists(path());
}

QString AccessLog::ReadLog() const
{
    QFile f(path());
    if (!f.open(QIODevice::ReadOnly))
        fail("read", f.fileName(), errno);
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        fail("read", f.fileName(), errno);
    return fromCp1252(bytes.replace("\r\n", "\n"));
}

void AccessLog::ClearLog()
{
    AtomicFile empty(path());
    empty.open();
    empty.commit();
}

void AccessLog::WriteAccessLogEntry(bool granted)
{
    const QString file = path();
    const QByteArray name = QFile::encodeName(file);
    // A new log is for the owner only, whatever the umask.
    int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::fchmod(fd, 0600);
    else if (errno == EEXIST)
        fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fail("open", file, errno);
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        fail("open", file, EISDIR);
    }
    const QByteArray line = toCp1252(entry(granted)) + kLineEnd;
    const ssize_t n = ::write(fd, line.constData(), size_t(line.size()));
    const int err = n < 0 ? errno : ENOSPC;
    if (n != line.size()) {
        // A short line would run into the next one: take it back.
        if (n > 0) [[maybe_unused]]
            const int rc = ::ftruncate(fd, st.st_size);
        ::close(fd);
        fail("write", file, err);
    }
    if (::close(fd) != 0)
        fail("write", file, errno);
}

void AccessLog::TrimAccessLog(int n)
{
    const QString file = path();
    if (!QFileInfo::exists(file))
        return;

    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        fail("read", file, EACCES);
    QList<QByteArray> lines = splitLines(in.readAll());
    in.close();

    lines.remove(0, qBound(0, n, int(lines.size())));

    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + kLineEnd;
    RemoveDeadTemporaries(QFileInfo(file).absolutePath(), QFileInfo(file).fileName() + ".~");
    AtomicFile save(file);
    try {
        save.open();
        save.write(out);
        save.commit();
    } catch (const Error& e) {
        throw Error(QString("Cannot rewrite the access log: %1").arg(e.message()));
    }
}

QString AccessLog::TrimIfOversized() noexcept
{
    try {
        QFileInfo info(path());
        if (info.exists() && info.size() > kMaxBytes)
            TrimAccessLog(10);
        return {};
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
}

} // namespace lw
