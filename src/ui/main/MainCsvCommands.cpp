// The File menu's CSV commands: accounts imported from another password
// manager's export, and every account exported for KeePassXC or a backup.
#include "MainControls.h"

#include "records/CsvExport.h"
#include "records/CsvImport.h"
#include "store/BusyCursor.h"
#include "store/Clock.h"
#include "store/Messages.h"
#include "ui/FileChooser.h"

#include <QDir>
#include <QFileInfo>

namespace lw {
namespace {

const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");

QStringList groupNames(const Dataset& groups)
{
    QStringList names;
    for (int row = 0; row < groups.recordCount(); ++row)
        names << groups.valueAt(row, "Name").toString();
    return names;
}

} // namespace

void TfrmMain::mnuFileImportFromCSVClick()
{
    if (!session_.isOpen())
        return;
    dm_.SavePendingEdits();
    const QString path = s_.files.openFile(this, "Import from CSV", QDir::homePath(), kCsvFilter);
    if (path.isEmpty())
        return;
    const CsvImport import = [&] {
        BusyCursor busy;
        return CsvImport::Read(path, ImportColumns::Of(session_.connection()));
    }();
    const QString summary = import.Summary(groupNames(dm_.qryGroups));
    if (import.accounts().empty()) {
        s_.messages.ShowInfo(summary);
        return;
    }
    if (!s_.messages.Confirm(summary))
        return;
    BusyCursor busy;
    import.Write(session_.connection(), s_.clock.now());
    dm_.RerunListsOn(import.accounts().front().group);
}

void TfrmMain::mnuFileExportToCSVClick()
{
    if (!session_.isOpen())
        return;
    dm_.SavePendingEdits();
    if (!s_.messages.Confirm("The CSV file will hold every password of this database in clear text: anyone who can "
                             "read the file can read your passwords.\r\nExport all accounts?"))
        return;
    QString path = s_.files.saveFile(this, "Export to CSV", QDir::homePath(), kCsvFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".csv";
    int written = 0;
    {
        BusyCursor busy;
        written = ExportAccountsCsv(session_.connection(), path);
    }
    s_.messages.ShowInfo(QString("%1 written to \"%2\".")
                             .arg(written == 1 ? QString("1 account") : QString("%1 accounts").arg(written), path));
}

} // namespace lw
