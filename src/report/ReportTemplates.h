#pragma once

#include "ReportTemplate.h"

namespace lw {

// The two reports of the accounts, over the rows of qryRptPasswords: every
// field of every account, or one line per account.
ReportTemplate ppRptPasswords();
ReportTemplate ppRptConcise();

} // namespace lw
