#include "ReportRows.h"

#include "records/Dataset.h"

#include <QDateTime>

namespace lw {
namespace {

QDate dateOf(const QVariant& value)
{
    return value.isNull() ? QDate() : value.toDateTime().date();
}

} // namespace

std::vector<ReportRow> ReportRowsOf(const Dataset& query)
{
    std::vector<ReportRow> rows;
    rows.reserve(size_t(query.recordCount()));
    for (int r = 0; r < query.recordCount(); ++r) {
        ReportRow row;
        row.Name = query.valueAt(r, "Name").toString();
        row.Description = query.valueAt(r, "Description").toString();
        row.ID = query.valueAt(r, "ID").toString();
        row.Password = query.valueAt(r, "Password").toString();
        row.ExpireDate = dateOf(query.valueAt(r, "ExpireDate"));
        row.AssignDate = dateOf(query.valueAt(r, "AssignDate"));
        row.URL = query.valueAt(r, "URL").toString();
        row.Notes = query.valueAt(r, "Notes").toString();
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace lw
