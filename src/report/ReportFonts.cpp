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

QFont ReportFont(const FontStyle& style)
{
    QFont font;
    // The stand-in first, the named family when the stand-in is missing.
    font.setFamilies({InstalledFamily(style.name), style.name});
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

} // namespace lw
