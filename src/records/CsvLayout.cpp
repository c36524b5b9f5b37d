#include "CsvLayout.h"

#include "settings/Error.h"

#include <vector>

namespace lw {
namespace {

using Role = CsvLayout::Role;
using Kind = CsvLayout::Kind;

struct Column {
    Role role;
    QStringList names; // any of them, without regard to case
    bool required;
};

struct Layout {
    Kind kind;
    std::vector<Column> columns;
};

// In the order they are tried: a KeePassXC header also names a browser's columns.
const std::vector<Layout>& layouts()
{
    static const std::vector<Layout> all = {
        {Kind::KeePassXC,
         {{Role::Group, {"group"}, true},
          {Role::Title, {"title"}, true},
          {Role::Username, {"username"}, true},
          {Role::Password, {"password"}, true},
          {Role::Url, {"url"}, true},
          {Role::Notes, {"notes"}, true},
          {Role::Totp, {"totp"}, false}}},
        {Kind::Bitwarden,
         {{Role::Group, {"folder", "collections"}, true},
          {Role::Title, {"name"}, true},
          {Role::Username, {"login_username"}, true},
          {Role::Password, {"login_password"}, true},
          {Role::Url, {"login_uri"}, true},
          {Role::Notes, {"notes"}, false},
          {Role::Fields, {"fields"}, false},
          {Role::Totp, {"login_totp"}, false}}},
        {Kind::Browser,
         {{Role::Title, {"name", "title"}, false},
          {Role::Username, {"username"}, true},
          {Role::Password, {"password"}, true},
          {Role::Url, {"url"}, true},
          {Role::Notes, {"note", "notes"}, false}}},
    };
    return all;
}

int columnNamed(const QStringList& header, const QStringList& names)
{
    for (int i = 0; i < header.size(); ++i)
        for (const QString& name : names)
            if (header.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return i;
    return -1;
}

// The parts of a group path such as "Root/Internet/Mail", blank parts left out.
QStringList pathParts(const QString& path)
{
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/')))
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts;
}

QString headerText(const QStringList& header)
{
    QString text = header.join(QLatin1Char(','));
    if (text.size() > 80)
        text = text.left(80) + QStringLiteral("...");
    return text;
}

} // namespace

CsvLayout CsvLayout::Recognise(const QStringList& header)
{
    for (const Layout& candidate : layouts()) {
        CsvLayout layout(candidate.kind, int(header.size()));
        bool complete = true;
        for (const Column& column : candidate.columns) {
            const int at = columnNamed(header, column.names);
            if (at < 0 && column.required)
                complete = false;
            layout.at_[column.role] = at;
            if (column.role == Role::Group && at >= 0)
                layout.groupIsCollections_ = header.at(at).trimmed().compare("collections", Qt::CaseInsensitive) == 0;
        }
        if (complete)
            return layout;
    }
    throw Error(QStringLiteral("its first row does not name the columns of a KeePassXC, Bitwarden, Chromium or "
                               "Firefox export. It reads: %1")
                    .arg(headerText(header)));
}

QString CsvLayout::value(const QStringList& fields, Role role) const
{
    const int at = at_[role];
    return at >= 0 && at < fields.size() ? fields.at(at) : QString();
}

QString CsvLayout::groupOf(const QStringList& fields) const
{
    QString path = value(fields, Role::Group);
    if (groupIsCollections_) // an item may be in several collections: the first
        path = path.section(QLatin1Char(','), 0, 0);
    QStringList parts = pathParts(path);
    // A KeePassXC path starts with the root group, which is the database itself.
    if (kind_ == Kind::KeePassXC && !parts.isEmpty())
        parts.removeFirst();
    return parts.isEmpty() ? QString() : parts.last();
}

CsvAccount CsvLayout::account(const QStringList& fields) const
{
    CsvAccount a;
    a.group = groupOf(fields);
    a.title = value(fields, Role::Title);
    a.id = value(fields, Role::Username);
    a.password = value(fields, Role::Password);
    a.url = value(fields, Role::Url);

    QStringList notes;
    if (const QString n = value(fields, Role::Notes); !n.isEmpty())
        notes << n;
    if (const QString custom = value(fields, Role::Fields); !custom.isEmpty())
        notes << custom;
    if (const QString totp = value(fields, Role::Totp); !totp.isEmpty())
        notes << QStringLiteral("TOTP: ") + totp;
    if (kind_ == Kind::Bitwarden) { // several web addresses are separated by commas
        QStringList addresses = a.url.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (QString& address : addresses)
            address = address.trimmed();
        a.url = addresses.isEmpty() ? QString() : addresses.takeFirst();
        if (!addresses.isEmpty())
            notes << QStringLiteral("Other web addresses: ") + addresses.join(QStringLiteral(", "));
    }
    a.notes = notes.join(QLatin1Char('\n'));
    return a;
}

} // namespace lw
