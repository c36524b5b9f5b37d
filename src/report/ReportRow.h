#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace lw {

// One row of the accounts report: an account with the name of its group. A
// null date is an account without that date.
struct ReportRow {
    QString Name;
    QString Description;
    QString ID;
    QString Password;
    QDate ExpireDate;
    QDate AssignDate;
    QString URL;
    QString Notes;

    // The value of a field by its name (a QString or a QDate); an unknown
    // name throws lw::Error.
    QVariant value(const QString& field) const;
};

} // namespace lw
