#pragma once

#include "ReportLayout.h"

#include <QPageLayout>

class QPagedPaintDevice;

namespace lw {

// The paper of a report with no margins of the device's own: the report
// places everything from the paper's corner.
QPageLayout ReportPageLayout(const PageSetup& page);

// Draws the pages on a device whose page layout is ReportPageLayout(...): all
// of them, or those in the device's page ranges, each `copies` times in turn.
// Throws lw::Error when the device cannot be drawn on.
void PaintReport(const ReportLayout& layout, QPagedPaintDevice& device, int copies = 1);

} // namespace lw
