#include "ReportRow.h"

#include "settings/Error.h"

namespace lw {

QVariant ReportRow::value(const QString& field) const
{
    const QString* texts[] = {&Name, &Description, &ID, &Password, &URL, &Notes};
    static const char* const textNames[] = {"Name", "Description", "ID", "Password", "URL", "Notes"};
    for (int i = 0; i < 6; ++i)
        if (field.compare(QLatin1String(textNames[i]), Qt::CaseInsensitive) == 0)
            return *texts[i];
    if (field.compare(QLatin1String("ExpireDate"), Qt::CaseInsensitive) == 0)
        return ExpireDate;
    if (field.compare(QLatin1String("AssignDate"), Qt::CaseInsensitive) == 0)
        return AssignDate;
    throw Error(QStringLiteral("A report row has no field \"%1\".").arg(field));
}

} // namespace lw
