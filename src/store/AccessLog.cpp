#include "AccessLog.h"

#include "settings/Error.h"
#include "store/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

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

[[noreturn]] void fail(const QString& what, const QFileDevice& f)
{
    throw Error(QString("Cannot %1 the access log \"%2\": %3").arg(what, f.fileName(), f.errorString()));
}

} // namespace

LogSeparators SystemLogSeparators()
{
    QLocale locale = QLocale::system();
    return LogSeparatorsFromFormats(locale.dateFormat(QLocale::ShortFormat),
                                    locale.timeFormat(QLocale::ShortFormat));
}

LogSeparators LogSeparatorsFromFormats(const QString& dateFormat, const QString& timeFormat)
{
    return {separatorIn(dateFormat, "/"), separatorIn(timeFormat, ":")};
}

AccessLog::AccessLog(QString folder, const AliasStore& aliases, const Clock& clock,
                     LogSeparators separators)
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

    return digits(d.month(), 2) + ds + digits(d.day(), 2) + ds + digits(d.year(), 4) + " "
           + digits(hour12, 2) + separators_.time + digits(t.time().minute(), 2)
           + (hour < 12 ? " AM" : " PM") + " ... " + name
           + (granted ? " ... success" : " ... failed");
}

bool AccessLog::exists() const
{
    return QFileInfo::exists(path());
}

QString AccessLog::ReadLog() const
{
    QFile f(path());
    if (!f.open(QIODevice::ReadOnly))
        fail("read", f);
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        fail("read", f);
    return fromCp1252(bytes.replace("\r\n", "\n"));
}

void AccessLog::ClearLog()
{
    QSaveFile save(path());
    if (!save.open(QIODevice::WriteOnly) || !save.commit())
        fail("clear", save);
}

void AccessLog::WriteAccessLogEntry(bool granted)
{
    QFile f(path());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        fail("open", f);
    const QByteArray line = toCp1252(entry(granted)) + kLineEnd;
    if (f.write(line) != line.size() || !f.flush())
        fail("write", f);
}

void AccessLog::TrimAccessLog(int n)
{
    const QString file = path();
    if (!QFileInfo::exists(file))
        return;

    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        fail("read", in);
    QList<QByteArray> lines = splitLines(in.readAll());
    in.close();

    lines.remove(0, qBound(0, n, int(lines.size())));

    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + kLineEnd;
    QSaveFile save(file);
    if (!save.open(QIODevice::WriteOnly) || save.write(out) != out.size() || !save.commit())
        fail("rewrite", save);
}

void AccessLog::TrimIfOversized()
{
    QFileInfo info(path());
    if (info.exists() && info.size() > kMaxBytes)
        TrimAccessLog(10);
}

} // namespace lw
