#include "RunReports.h"

#include "TfrmSelectReport.h"
#include "records/TDM.h"
#include "store/Messages.h"

namespace lw {

void RunReports(QWidget* owner, TDM& dm, IniFile& settings, Messages& messages, FileChooser& files, const Clock& clock)
{
    if (!dm.qryGroups.isOpen())
        return;
    if (dm.qryGroups.recordCount() == 0) {
        messages.ShowPlain("No account Information to print!");
        return;
    }
    TfrmSelectReport dialog(owner, dm, settings, messages, files, clock);
    dialog.exec();
}

} // namespace lw
