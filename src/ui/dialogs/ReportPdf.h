#pragma once

#include "report/ReportLayout.h"

#include <QString>

namespace lw {

// Writes the pages as a PDF file through the printer's PDF mode. The file
// holds passwords in clear, so only its owner may read it (0600). It is
// written beside the target under a name of its own, checked, synced and
// then put in the target's place in one step, so a failed write leaves an
// existing file as it was. Throws lw::Error naming the file and the reason.
void SaveReportPdf(const ReportLayout& layout, const QString& path);

// Makes sure the file exists and only its owner may read or write it, before
// something else writes a report into it. Throws lw::Error when it cannot.
void CreateOwnerOnlyFile(const QString& path);

} // namespace lw
