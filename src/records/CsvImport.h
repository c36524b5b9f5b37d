#pragma once

#include "Field.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <vector>

namespace lw {

class Connection;
struct CsvAccount;

// The limits an imported account must keep, as the open database defines them.
struct ImportColumns {
    int groupName = 0; // the most characters a group name may have
    std::vector<FieldDef> texts; // Description, ID, Password and URL

    static ImportColumns Of(Connection& db);
};

// An account as it will be added.
struct ImportedAccount {
    int row = 0; // in the file, its first row (the column names) being row 1
    QString group;
    QString description;
    QString id;
    QString password;
    QString url;
    QString notes;
};

struct SkippedRow {
    int row = 0;
    QString reason;
};

// The accounts of a password export (see CsvLayout), checked and ready to be
// added to the open database:
//  - the group is the last part of the group or folder path, "Imported" when
//    there is none, cut to the length of a group name; the name is taken as it
//    is written, without proper case;
//  - the title becomes the description; a row without one takes the host of
//    its web address; the description is trimmed as a typed one is;
//  - a row with a value longer than its field allows is refused, never cut,
//    as are empty rows, rows without any description and rows with another
//    number of fields than the first row.
class CsvImport {
public:
    // Throws an Error naming the file when it cannot be imported at all: a
    // file that is missing, no text, no CSV or not a known export.
    static CsvImport Read(const QString& path, const ImportColumns& columns);
    // The same for the file's content; the Error does not name a file.
    static CsvImport Parse(const QByteArray& bytes, const ImportColumns& columns);

    const std::vector<ImportedAccount>& accounts() const { return accounts_; }
    const std::vector<SkippedRow>& skipped() const { return skipped_; }
    // How many group names were cut to the length a group name may have.
    int cutGroupNames() const { return cutGroupNames_; }

    // What will be added, asked before anything is written: "N accounts in M
    // groups will be added; K rows skipped", then the new groups, the names
    // that were cut and the reason for each skipped row.
    QString Summary(const QStringList& existingGroups) const;

    // Adds every account, and each group that is missing, in one transaction:
    // when anything fails, nothing is added. A group is found by its name
    // without regard to case, as group names are kept apart. The assigned
    // date is the import date; every other field is empty, as for a new account.
    void Write(Connection& db, const QDateTime& importDate) const;

    // How groups are told apart: the engine's comparison, letter case of
    // A to Z ignored.
    static QString GroupKey(const QString& name);

private:
    CsvImport() = default;
    void add(int row, const CsvAccount& account, const ImportColumns& columns);
    void skip(int row, const QString& reason) { skipped_.push_back({row, reason}); }
    QString groupName(const QString& group);

    std::vector<ImportedAccount> accounts_;
    std::vector<SkippedRow> skipped_;
    int groupNameLimit_ = 0;
    int cutGroupNames_ = 0;
    QStringList cutKeys_;
};

} // namespace lw
