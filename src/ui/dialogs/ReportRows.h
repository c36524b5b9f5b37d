#pragma once

#include "report/ReportRow.h"

#include <vector>

namespace lw {

class Dataset;

// Every row of the open report query qryRptPasswords, in its order.
std::vector<ReportRow> ReportRowsOf(const Dataset& query);

} // namespace lw
