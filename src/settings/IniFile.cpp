#include "IniFile.h"

#include "AtomicFile.h"
#include "Error.h"
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <optional>

namespace lw {
namespace {

// One line of the file as it is on disk: its text and its line end ("\r\n",
// "\n", or nothing for a last line without one).
struct Line {
    QByteArray text;
    QByteArray eol;
};

QList<Line> splitLines(const QByteArray& bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0) {
            lines.append({bytes.mid(start), {}});
            break;
        }
        bool crlf = nl > start && bytes[nl - 1] == '\r';
        qsizetype end = crlf ? nl - 1 : nl;
        lines.append({bytes.mid(start, end - start), crlf ? "\r\n" : "\n"});
        start = nl + 1;
    }
    return lines;
}

QByteArray joinLines(const QList<Line>& lines)
{
    QByteArray out;
    for (const Line& l : lines)
        out += l.text + l.eol;
    return out;
}

// New lines follow the line end of the file's first line; LF for a new file.
QByteArray lineEndOf(const QList<Line>& lines)
{
    return !lines.isEmpty() && lines.first().eol == "\r\n" ? "\r\n" : "\n";
}

QByteArray withoutBom(const QByteArray& text)
{
    return text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
}

bool sameName(const QByteArray& raw, const QString& name)
{
    return QString::fromUtf8(raw.trimmed()).compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

// The section a "[name]" line opens, or nothing for any other line.
std::optional<QByteArray> sectionOf(const QByteArray& text)
{
    QByteArray t = text.trimmed();
    qsizetype close = t.indexOf(']');
    if (!t.startsWith('[') || close < 0)
        return std::nullopt;
    return t.mid(1, close - 1);
}

bool isComment(const QByteArray& text)
{
    QByteArray t = text.trimmed();
    return t.startsWith(';') || t.startsWith('#');
}

// Where a key is, or would go, in the file.
struct Place {
    int section = -1; // the "[section]" line
    int lastInSection = -1; // last non-blank line of the section
    int key = -1; // the "key=value" line
};

Place find(const QList<Line>& lines, const QString& section, const QString& key)
{
    Place p;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray text = i == 0 ? withoutBom(lines[i].text) : lines[i].text;
        if (auto name = sectionOf(text)) {
            if (p.section >= 0)
                break; // only the first section of that name counts
            if (sameName(*name, section))
                p.section = p.lastInSection = i;
            continue;
        }
        if (p.section < 0)
            continue;
        if (!text.trimmed().isEmpty())
            p.lastInSection = i;
        qsizetype eq = text.indexOf('=');
        if (p.key < 0 && eq > 0 && !isComment(text) && sameName(text.left(eq), key))
            p.key = i;
    }
    return p;
}

QByteArray valueOf(const QByteArray& text)
{
    return text.mid(text.indexOf('=') + 1).trimmed();
}

// At most this much of the file is read; settings never come near it.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

// The file's bytes; an empty file when it does not exist or is not a regular
// file (a pipe or a device is never read); nothing when it exists but cannot
// be read.
std::optional<QByteArray> load(const QString& path)
{
    RegularFileContent content = ReadRegularFile(path, kMaxFileBytes);
    if (!content.readable)
        return std::nullopt;
    return content.bytes;
}

// The file a write replaces: the target of a symbolic link, so that the link
// stays. Anything but a regular file (or a new one) is never written through.
QString writableTarget(const QString& path)
{
    QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    RegularFileContent content = ReadRegularFile(target, kMaxFileBytes);
    if (QFileInfo::exists(target) && !content.regular)
        throw Error(QString("Cannot write the settings file \"%1\": it is not a regular file").arg(path));
    if (content.truncated)
        throw Error(QString("Cannot write the settings file \"%1\": it is larger than 1 MiB").arg(path));
    return target;
}

void save(const QString& path, const QByteArray& bytes)
{
    const QString target = writableTarget(path);
    RemoveDeadTemporaries(QFileInfo(target).absolutePath(), QFileInfo(target).fileName() + ".~");
    AtomicFile f(target);
    f.open();
    f.write(bytes);
    f.commit();
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path))
{
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    QList<Line> lines = splitLines(load(path_).value_or(QByteArray()));
    Place p = find(lines, section, key);
    return p.key < 0 ? def : QString::fromUtf8(valueOf(lines[p.key].text));
}

int IniFile::readInt(const QString& section, const QString& key, int def) const
{
    bool ok = false;
    int value = readString(section, key, {}).toInt(&ok, 10);
    return ok ? value : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    bool ok = false;
    qlonglong value = readString(section, key, {}).toLongLong(&ok, 10);
    return ok ? value != 0 : def;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    if (value.contains('\n') || value.contains('\r') || key.contains('\n') || section.contains('\n'))
        throw Error(QString("The setting \"%1\" cannot hold a line break").arg(key));

    std::optional<QByteArray> bytes = load(path_);
    if (!bytes)
        throw Error(QString("Cannot read the settings file \"%1\"").arg(path_));

    QList<Line> lines = splitLines(*bytes);
    const QByteArray eol = lineEndOf(lines);
    const Place p = find(lines, section, key);

    if (p.key >= 0) {
        // Keep the key as spelt in the file, with its "=" and any blanks after it.
        QByteArray& text = lines[p.key].text;
        qsizetype start = text.indexOf('=') + 1;
        while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
            ++start;
        text = text.left(start) + value.toUtf8();
    } else {
        QList<Line> added;
        if (p.section < 0)
            added.append({"[" + section.toUtf8() + "]", eol});
        added.append({key.toUtf8() + "=" + value.toUtf8(), eol});
        int after = p.section >= 0 ? p.lastInSection : int(lines.size()) - 1;
        if (after >= 0 && lines[after].eol.isEmpty())
            lines[after].eol = eol;
        for (int i = 0; i < added.size(); ++i)
            lines.insert(after + 1 + i, added[i]);
    }
    save(path_, joinLines(lines));
}

void IniFile::writeInt(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

} // namespace lw
