#pragma once

#include <QString>

namespace lw::sql {

inline const QString Groups = QStringLiteral("select * from groups order by Name");
inline const QString Passwords =
    QStringLiteral("select * from passwords where GroupId = :GroupId order by Description");
inline const QString Options = QStringLiteral("select * from options");
inline const QString Transfer = QStringLiteral("select * from groups order by Name");
extern const QString RptPasswords;
// The start of the statements of the accounts report.
extern const QString ReportSelectHead;
// The accounts of one group, or of all groups, in order of group name and
// description.
QString ReportCurrentGroupStatement(qint64 groupId);
QString ReportAllGroupsStatement();
extern const QString Expired;
extern const QString FindDesign;

// The start of every find statement.
extern const QString FindSelectHead;
// The search text travels as this parameter, never inside the statement.
inline const QString FindParam = QStringLiteral("FindPattern");
// The condition for one "Where" choice (0 "All" ... 6 "Notes").
QString FindCondition(int whereIndex);
QString FindStatement(int whereIndex);
// The value bound to FindParam for a search text: the text anywhere.
QString FindPattern(const QString& text);

} // namespace lw::sql
