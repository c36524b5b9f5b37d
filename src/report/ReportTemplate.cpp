#include "ReportTemplate.h"

#include "settings/Error.h"

namespace lw {

ReportBand* ReportTemplate::band(BandKind kind)
{
    for (ReportBand& b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

const ReportBand* ReportTemplate::band(BandKind kind) const
{
    return const_cast<ReportTemplate*>(this)->band(kind);
}

ReportElement& ReportTemplate::element(const QString& elementName)
{
    for (ReportBand& b : bands)
        for (ReportElement& e : b.elements)
            if (e.name == elementName)
                return e;
    throw Error(QStringLiteral("The report \"%1\" has no element \"%2\".").arg(name, elementName));
}

const ReportElement& ReportTemplate::element(const QString& elementName) const
{
    return const_cast<ReportTemplate*>(this)->element(elementName);
}

} // namespace lw
