#pragma once

#include "report/BeforePrint.h"
#include "report/ReportLayout.h"
#include "report/ReportRow.h"

#include <QStringList>
#include <vector>

namespace lw::test {

// Accounts "<group> account 001" ... in a group, with an ID and a password.
inline std::vector<ReportRow> accountsIn(const QString& group, int count)
{
    std::vector<ReportRow> rows;
    for (int i = 1; i <= count; ++i) {
        ReportRow r;
        r.Name = group;
        r.Description = QStringLiteral("%1 account %2").arg(group).arg(i, 3, 10, QLatin1Char('0'));
        r.ID = QStringLiteral("user%1").arg(i);
        r.Password = QStringLiteral("pw%1").arg(i);
        rows.push_back(r);
    }
    return rows;
}

inline std::vector<ReportRow> joined(std::initializer_list<std::vector<ReportRow>> parts)
{
    std::vector<ReportRow> rows;
    for (const auto& p : parts)
        rows.insert(rows.end(), p.begin(), p.end());
    return rows;
}

// The template prepared as the report selection prepares it.
inline ReportTemplate prepared(ReportTemplate t, bool onePerPage, bool printDate = true,
                               const QString& title = QStringLiteral("Account Summary"))
{
    BeforePrint(t, {printDate, title, onePerPage, QDate(2026, 12, 11), u'/'});
    return t;
}

inline std::vector<const PlacedItem*> itemsOf(const ReportPage& page, const QString& element)
{
    std::vector<const PlacedItem*> found;
    for (const PlacedItem& item : page.items)
        if (item.element == element)
            found.push_back(&item);
    return found;
}

inline std::vector<const PlacedItem*> itemsOf(const ReportLayout& layout, const QString& element)
{
    std::vector<const PlacedItem*> found;
    for (const ReportPage& page : layout.pages)
        for (const PlacedItem* item : itemsOf(page, element))
            found.push_back(item);
    return found;
}

// The texts of one element, page by page.
inline QStringList textsOf(const ReportPage& page, const QString& element)
{
    QStringList texts;
    for (const PlacedItem* item : itemsOf(page, element))
        texts << item->text;
    return texts;
}

inline int bandsOf(const ReportPage& page, BandKind kind)
{
    int n = 0;
    for (const PlacedBand& b : page.bands)
        n += b.kind == kind ? 1 : 0;
    return n;
}

} // namespace lw::test
