#include "QueryTexts.h"

#include "settings/Error.h"

#include <QStringList>

namespace lw::sql {

const QString RptPasswords =
    QStringList{"SELECT Groups.Name, Passwords.Description, Passwords.ID, Passwords.Password, Passwords.ExpireDate, "
                "Passwords.AssignDate, Passwords.URL, Passwords.Notes",
                "FROM Groups INNER JOIN Passwords ON Groups.GroupID = Passwords.GroupID", "ORDER BY Groups.Name;"}
        .join('\n');

const QString ReportSelectHead = QStringLiteral(
    "SELECT Groups.Name, Passwords.Description, Passwords.ID, Passwords.Password, Passwords.ExpireDate, "
    "Passwords.AssignDate, Passwords.URL, Passwords.Notes FROM Groups INNER JOIN Passwords ON Groups.GroupID = "
    "Passwords.GroupID");

QString ReportCurrentGroupStatement(qint64 groupId)
{
    return ReportSelectHead +
           QStringLiteral(" WHERE Passwords.GroupID = %1 ORDER BY Groups.Name,Passwords.Description").arg(groupId);
}

QString ReportAllGroupsStatement()
{
    return ReportSelectHead + QStringLiteral(" ORDER BY Groups.Name,Passwords.Description");
}

const QString Expired =
    QStringList{"SELECT Groups.GroupID, Groups.Name, Passwords.PasswordID, Passwords.Description, Passwords.ExpireDate",
                "FROM Groups INNER JOIN Passwords ON Groups.GroupID = Passwords.GroupID",
                "WHERE (((Passwords.ExpireDate)<=Now()))",
                "ORDER BY Passwords.ExpireDate, Groups.Name,Passwords.Description;"}
        .join('\n');

const QString FindDesign =
    QStringList{"SELECT Groups.GroupID, Passwords.PasswordID, Groups.Name, Passwords.Description, Passwords.ID, "
                "Passwords.Password, Passwords.URL, Passwords.Notes",
                "FROM Groups INNER JOIN Passwords ON Groups.GroupID = Passwords.GroupID",
                "WHERE (((Passwords.ID) Like \"*test*\")) OR (((Passwords.Password) Like \"*test*\")) OR "
                "(((Passwords.URL) Like \"*test*\")) OR (((Passwords.Notes) Like \"*test*\"));"}
        .join('\n');

const QString FindSelectHead = QStringLiteral(
    "SELECT Groups.GroupID, Passwords.PasswordID,Groups.Name, Passwords.Description, Passwords.ID, "
    "Passwords.Password, Passwords.URL, Passwords.Notes FROM Groups INNER JOIN Passwords ON Groups.GroupID = "
    "Passwords.GroupID WHERE");

QString FindCondition(int whereIndex)
{
    const QString p = QStringLiteral(":") + FindParam;
    switch (whereIndex) {
    case 0:
        return QStringLiteral("(((Passwords.ID) Like %1)) OR (((Passwords.Password) Like %1)) OR "
                              "(((Passwords.URL) Like %1)) OR (((Passwords.Notes) Like %1)) OR "
                              "(((Groups.Name) Like %1)) OR(((Passwords.Description) Like %1));")
            .arg(p);
    case 1:
        return QStringLiteral("(Groups.Name Like %1);").arg(p);
    case 2:
        return QStringLiteral("(Passwords.Description Like %1);").arg(p);
    case 3:
        return QStringLiteral("(Passwords.Password Like %1);").arg(p);
    case 4:
        return QStringLiteral("(Passwords.ID Like %1);").arg(p);
    case 5:
        return QStringLiteral("(Passwords.URL Like %1);").arg(p);
    case 6:
        return QStringLiteral("(Passwords.Notes Like %1);").arg(p);
    default:
        throw Error(QStringLiteral("There is no search choice %1.").arg(whereIndex));
    }
}

QString FindStatement(int whereIndex)
{
    return FindSelectHead + u' ' + FindCondition(whereIndex);
}

QString FindPattern(const QString& text)
{
    return u'*' + text + u'*';
}

} // namespace lw::sql
