#pragma once

#include <QStringList>
#include <array>

namespace lw {

// One row of a password export in the program's terms, before it is checked.
struct CsvAccount {
    QString group; // the last part of the group or folder path; empty for none
    QString title;
    QString id;
    QString password;
    QString url;
    QString notes;
};

// The column layouts of the password exports the program reads, told apart by
// the names in their first row (in any order, without regard to case):
//  - KeePassXC: Group, Title, Username, Password, URL, Notes (and TOTP and
//    dates in newer versions); a group is a path from the database's root
//    group, as in "Root/Internet/Mail".
//  - Bitwarden: folder (collections in an organisation's export), name,
//    notes, fields, login_uri, login_username, login_password, login_totp.
//  - Chromium, Firefox and other browsers: url, username and password, with
//    name (or title) and note (or notes) where the browser has them.
// Columns of other names are passed over.
class CsvLayout {
public:
    enum class Kind { KeePassXC, Bitwarden, Browser };

    // Throws an Error when the names are those of none of the layouts.
    static CsvLayout Recognise(const QStringList& header);

    Kind kind() const { return kind_; }
    // The number of fields every row has.
    int columnCount() const { return columnCount_; }
    // What a row holds. Values the program has no field for (a TOTP secret,
    // Bitwarden's custom fields and further web addresses) are kept in the
    // notes. The row has columnCount() fields.
    CsvAccount account(const QStringList& fields) const;

    enum Role { Group, Title, Username, Password, Url, Notes, Fields, Totp, RoleCount };

private:
    CsvLayout(Kind kind, int columnCount) : kind_(kind), columnCount_(columnCount) { at_.fill(-1); }
    QString value(const QStringList& fields, Role role) const;
    QString groupOf(const QStringList& fields) const;

    Kind kind_;
    int columnCount_;
    std::array<int, RoleCount> at_{}; // the column of each role, -1 when the file has none
    bool groupIsCollections_ = false;
};

} // namespace lw
