#include "CsvExport.h"

#include "CsvWriter.h"
#include "settings/AtomicFile.h"
#include "store/Connection.h"

namespace lw {
namespace {

const QString kRootGroup = QStringLiteral("Root");

struct ExportText {
    QByteArray bytes;
    int accounts = 0;
};

ExportText exportText(Connection& db)
{
    ExportText out;
    out.bytes = CsvLine({"Group", "Title", "Username", "Password", "URL", "Notes"});
    Statement st = db.prepare(QStringLiteral(
        "SELECT Groups.Name, Passwords.Description, Passwords.ID, Passwords.Password, Passwords.URL, Passwords.Notes "
        "FROM Groups INNER JOIN Passwords ON Groups.GroupID = Passwords.GroupID "
        "ORDER BY Groups.Name, Passwords.Description, Passwords.PasswordID;"));
    while (st.step()) {
        out.bytes +=
            CsvLine({kRootGroup + QLatin1Char('/') + st.value(0).toString(), st.value(1).toString(),
                     st.value(2).toString(), st.value(3).toString(), st.value(4).toString(), st.value(5).toString()});
        ++out.accounts;
    }
    return out;
}

} // namespace

QByteArray AccountsCsv(Connection& db)
{
    return exportText(db).bytes;
}

int ExportAccountsCsv(Connection& db, const QString& path)
{
    const ExportText text = exportText(db);
    AtomicFile file(path);
    file.setMode(0600);
    file.open();
    file.write(text.bytes);
    file.commit();
    return text.accounts;
}

} // namespace lw
