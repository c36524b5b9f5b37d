#include "CsvImport.h"

#include "CsvLayout.h"
#include "CsvReader.h"
#include "settings/Error.h"
#include "settings/RegularFile.h"
#include "settings/TrimBlanks.h"
#include "store/Connection.h"

#include <QFileInfo>
#include <QUrl>

namespace lw {
namespace {

// Far more than any password export; a larger file is something else.
constexpr qint64 kMaxImportBytes = 64 * 1024 * 1024;

const QString kDefaultGroup = QStringLiteral("Imported");

FieldDef columnOf(Connection& db, const QString& table, const QString& column)
{
    Statement st = db.prepare(QStringLiteral("SELECT [%1] FROM [%2] LIMIT 0;").arg(column, table));
    return FieldFromDeclType(column, st.columnDeclType(0));
}

// The length of a text as the engine counts it: in characters, not in UTF-16 units.
qsizetype characters(const QString& text)
{
    qsizetype n = 0;
    for (QChar c : text)
        n += c.isLowSurrogate() ? 0 : 1;
    return n;
}

QString firstCharacters(const QString& text, qsizetype count)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate() && n++ == count)
            return text.left(i);
    }
    return text;
}

const QString& textOf(const ImportedAccount& a, const QString& field)
{
    if (field.compare("ID", Qt::CaseInsensitive) == 0)
        return a.id;
    if (field.compare("Password", Qt::CaseInsensitive) == 0)
        return a.password;
    if (field.compare("URL", Qt::CaseInsensitive) == 0)
        return a.url;
    return a.description;
}

QString counted(qsizetype n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

ImportColumns ImportColumns::Of(Connection& db)
{
    ImportColumns c;
    c.groupName = columnOf(db, "Groups", "Name").size;
    for (const char* field : {"Description", "ID", "Password", "URL"})
        c.texts.push_back(columnOf(db, "Passwords", field));
    return c;
}

QString CsvImport::GroupKey(const QString& name)
{
    QString key = name;
    for (QChar& c : key)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return key;
}

CsvImport CsvImport::Read(const QString& path, const ImportColumns& columns)
{
    try {
        const RegularFileContent file = ReadRegularFile(path, kMaxImportBytes);
        if (!file.regular)
            throw Error(QFileInfo::exists(path) ? QStringLiteral("it is not a file.")
                                                : QStringLiteral("there is no such file."));
        if (!file.readable)
            throw Error(QStringLiteral("the file cannot be read."));
        if (file.truncated)
            throw Error(QStringLiteral("the file is larger than %1 MB, far larger than a password export.")
                            .arg(kMaxImportBytes / (1024 * 1024)));
        return Parse(file.bytes, columns);
    } catch (const Error& e) {
        throw Error(QStringLiteral("Cannot import \"%1\": %2").arg(path, e.message()));
    }
}

CsvImport CsvImport::Parse(const QByteArray& bytes, const ImportColumns& columns)
{
    const std::vector<CsvRecord> records = ReadCsv(bytes);
    if (records.empty())
        throw Error(QStringLiteral("the file is empty."));
    const CsvLayout layout = CsvLayout::Recognise(records.front().fields);

    CsvImport import;
    import.groupNameLimit_ = columns.groupName;
    for (size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& r = records[i];
        if (r.fields.size() != layout.columnCount())
            import.skip(r.row, QStringLiteral("Row %1 has %2 where the first row has %3.")
                                   .arg(r.row)
                                   .arg(counted(r.fields.size(), "field", "fields"))
                                   .arg(layout.columnCount()));
        else if (TrimBlanks(r.fields.join(QString())).isEmpty())
            import.skip(r.row, QStringLiteral("Row %1 is empty.").arg(r.row));
        else
            import.add(r.row, layout.account(r.fields), columns);
    }
    return import;
}

void CsvImport::add(int row, const CsvAccount& from, const ImportColumns& columns)
{
    ImportedAccount a{row, QString(), TrimBlanks(from.title), from.id, from.password, from.url, from.notes};
    if (a.description.isEmpty())
        a.description = QUrl::fromUserInput(from.url.trimmed()).host();
    if (a.description.isEmpty()) {
        skip(row, QStringLiteral("Row %1 has no title.").arg(row));
        return;
    }
    for (const FieldDef& field : columns.texts) {
        try {
            CheckFits(field, textOf(a, field.name));
        } catch (const Error& e) {
            skip(row, QStringLiteral("Row %1: %2").arg(row).arg(e.message()));
            return;
        }
    }
    a.group = groupName(from.group);
    accounts_.push_back(std::move(a));
}

QString CsvImport::groupName(const QString& group)
{
    const QString name = TrimBlanks(group);
    if (name.isEmpty())
        return kDefaultGroup;
    if (groupNameLimit_ <= 0 || characters(name) <= groupNameLimit_)
        return name;
    const QString key = GroupKey(name);
    if (!cutKeys_.contains(key)) {
        cutKeys_ << key;
        ++cutGroupNames_;
    }
    return TrimBlanks(firstCharacters(name, groupNameLimit_));
}

QString CsvImport::Summary(const QStringList& existingGroups) const
{
    QStringList existing;
    for (const QString& name : existingGroups)
        existing << GroupKey(name);
    QStringList keys, newGroups;
    for (const ImportedAccount& a : accounts_) {
        const QString key = GroupKey(a.group);
        if (keys.contains(key))
            continue;
        keys << key;
        if (!existing.contains(key))
            newGroups << a.group;
    }

    QStringList lines;
    lines << QStringLiteral("%1 in %2 will be added; %3 skipped")
                 .arg(counted(qsizetype(accounts_.size()), "account", "accounts"),
                      counted(keys.size(), "group", "groups"), counted(qsizetype(skipped_.size()), "row", "rows"));
    constexpr qsizetype kListed = 10;
    if (!newGroups.isEmpty()) {
        QString text = QStringLiteral("New groups: ") + newGroups.mid(0, kListed).join(QStringLiteral(", "));
        if (newGroups.size() > kListed)
            text += QStringLiteral(" and %1 more").arg(newGroups.size() - kListed);
        lines << text + QLatin1Char('.');
    }
    if (cutGroupNames_ > 0)
        lines << QStringLiteral("%1 cut to %2 characters.")
                     .arg(counted(cutGroupNames_, "group name was", "group names were"))
                     .arg(groupNameLimit_);
    constexpr size_t kReasons = 20;
    for (size_t i = 0; i < skipped_.size() && i < kReasons; ++i)
        lines << skipped_[i].reason;
    if (skipped_.size() > kReasons)
        lines << QStringLiteral("... and %1 more.").arg(skipped_.size() - kReasons);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace lw
