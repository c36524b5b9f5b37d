#include "ReportFonts.h"

namespace lw {

QString InstalledFamily(const QString& templateFamily)
{
    static const struct {
        const char* name;
        const char* family;
    } kStandIns[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& s : kStandIns)
        if (templateFamily.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.family);
    return templateFamily;
}

QFont ReportFont(const FontSpec& spec)
{
    QFont font;
    // The stand-in first, the named family when the stand-in is missing.
    font.setFamilies({InstalledFamily(spec.name), spec.name});
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

} // namespace lw
