#include "support/ReportTestRows.h"

#include "report/ReportTemplates.h"
#include "report/TextMeasure.h"

#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

namespace {

ReportTemplate full(bool onePerPage)
{
    return prepared(ppRptPasswords(), onePerPage);
}
ReportTemplate concise(bool onePerPage)
{
    return prepared(ppRptConcise(), onePerPage);
}

struct PageCountCase {
    const char* report;
    int accounts;
    int pages;
};

// Full: a page holds 266701 below its margins; the first loses 6615 to the
// title and 7144 to the group header, so eight accounts of 29898 fit on each
// page. Concise: 254001 a page, 7144 title, 10054 header, 4233 an account:
// 55 on the first page, 60 on the others.
const PageCountCase kPageCounts[] = {
    {"full", 1, 1},     {"full", 8, 1},     {"full", 9, 2},     {"full", 10, 2},
    {"full", 17, 3},    {"full", 500, 63},  {"concise", 1, 1},  {"concise", 9, 1},
    {"concise", 10, 1}, {"concise", 55, 1}, {"concise", 56, 2}, {"concise", 500, 9},
};

TEST(ReportLayout, PageCountsFollowTheBandHeights)
{
    for (const PageCountCase& c : kPageCounts) {
        const bool isFull = QString(c.report) == "full";
        const ReportLayout layout = LayOutReport(isFull ? full(true) : concise(true), accountsIn("Bank", c.accounts));
        EXPECT_EQ(layout.pageCount(), c.pages) << c.report << " report of " << c.accounts << " accounts";
        EXPECT_EQ(int(itemsOf(layout, "txtDescription").size()), c.accounts) << c.report << " " << c.accounts;
    }
}

TEST(ReportLayout, OneGroupPerPageOrContinuous)
{
    const auto rows = joined({accountsIn("Bank", 2), accountsIn("Mail", 2), accountsIn("Shop", 2)});
    struct Case {
        bool onePerPage;
        std::vector<QStringList> groupsByPage;
    } cases[] = {
        {true, {{"Bank"}, {"Mail"}, {"Shop"}}},
        {false, {{"Bank", "Mail", "Shop"}}},
    };
    for (const Case& c : cases) {
        for (const ReportTemplate& t : {full(c.onePerPage), concise(c.onePerPage)}) {
            const ReportLayout layout = LayOutReport(t, rows);
            ASSERT_EQ(layout.pageCount(), int(c.groupsByPage.size())) << t.name.toStdString();
            for (int p = 0; p < layout.pageCount(); ++p)
                EXPECT_EQ(textsOf(layout.pages[size_t(p)], "txtName"), c.groupsByPage[size_t(p)])
                    << t.name.toStdString() << " page " << p + 1;
        }
    }
}

TEST(ReportLayout, AGroupThatDoesNotFitStartsOnTheNextPageUnlessNoPageHoldsIt)
{
    // After five accounts of Bank the first page has 103452 left.
    struct Case {
        int mailAccounts;
        int mailHeaderPage;
    } cases[] = {
        {3, 1}, // 7144 + 3 * 29898 fits in the rest of the page
        {4, 2}, // does not fit here, fits on an empty page
        {10, 1}, // fits on no page: starts at once and continues
    };
    for (const Case& c : cases) {
        const ReportLayout layout =
            LayOutReport(full(false), joined({accountsIn("Bank", 5), accountsIn("Mail", c.mailAccounts)}));
        int headerPage = 0;
        for (int p = 0; p < layout.pageCount(); ++p)
            if (textsOf(layout.pages[size_t(p)], "txtName").contains("Mail"))
                headerPage = headerPage ? headerPage : p + 1;
        EXPECT_EQ(headerPage, c.mailHeaderPage) << c.mailAccounts << " accounts of Mail";
        EXPECT_EQ(int(itemsOf(layout, "txtDescription").size()), 5 + c.mailAccounts);
    }
}

TEST(ReportLayout, AContinuedGroupHasNoHeaderOnItsNextPage)
{
    const ReportLayout layout = LayOutReport(full(false), accountsIn("Bank", 10));
    ASSERT_EQ(layout.pageCount(), 2);
    EXPECT_EQ(bandsOf(layout.pages[0], BandKind::GroupHeader), 1);
    EXPECT_EQ(bandsOf(layout.pages[1], BandKind::GroupHeader), 0);
    EXPECT_EQ(textsOf(layout.pages[1], "txtDescription"), QStringList({"Bank account 009", "Bank account 010"}));
}

TEST(ReportLayout, ALongNoteGrowsTheAccountAndTheSeparatorStaysBelowIt)
{
    auto rows = accountsIn("Bank", 2);
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("Line %1 of the notes").arg(i);
    rows[0].Notes = lines.join('\n');
    const ReportLayout layout = LayOutReport(full(true), rows);
    const ReportPage& page = layout.pages.at(0);

    const auto notes = itemsOf(page, "memoNotes");
    ASSERT_EQ(notes.size(), 40u);
    EXPECT_EQ(notes.back()->text, "Line 40 of the notes");
    const QRect last = notes.back()->box;
    const auto separators = itemsOf(page, "lnSeparator");
    ASSERT_FALSE(separators.empty());
    // The memo keeps 5080 below itself; the line sits 265 below the region.
    EXPECT_EQ(separators.front()->box.top(), last.top() + last.height() + 5080 + 265);

    const PlacedBand* detail = nullptr;
    for (const PlacedBand& b : page.bands)
        if (b.kind == BandKind::Detail && b.row == 0)
            detail = &b;
    ASSERT_TRUE(detail);
    const Length regionBottom = last.top() + last.height() + 5080 - detail->top;
    EXPECT_EQ(detail->height, 29898 + regionBottom - 27252);
    // The next account starts below the line.
    const auto descriptions = itemsOf(page, "txtDescription");
    ASSERT_EQ(descriptions.size(), 2u);
    EXPECT_GT(descriptions[1]->box.top(), separators.front()->box.bottom());
}

TEST(ReportLayout, ANoteLongerThanAPageContinuesOnTheNext)
{
    auto rows = accountsIn("Bank", 1);
    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    rows[0].Notes = lines.join("\r\n");
    const ReportLayout layout = LayOutReport(full(true), rows);
    ASSERT_EQ(layout.pageCount(), 2);
    const auto onFirst = textsOf(layout.pages[0], "memoNotes");
    const auto onSecond = textsOf(layout.pages[1], "memoNotes");
    EXPECT_EQ(onFirst.size() + onSecond.size(), 120);
    EXPECT_EQ(onSecond.back(), "Line 120");
    const PageSetup& p = layout.page;
    for (const PlacedItem* item : itemsOf(layout.pages[0], "memoNotes"))
        EXPECT_LE(item->box.bottom(), p.height - p.marginBottom);
    const auto separator = itemsOf(layout.pages[1], "lnSeparator");
    ASSERT_EQ(separator.size(), 1u);
    EXPECT_GT(separator[0]->box.top(), itemsOf(layout.pages[1], "memoNotes").back()->box.bottom());
}

TEST(ReportLayout, TheNotesWrapAtWordsWithinTheirWidth)
{
    auto rows = accountsIn("Bank", 1);
    rows[0].Notes = QString("The quick brown fox jumps over the lazy dog. ").repeated(12).trimmed();
    const ReportLayout layout = LayOutReport(full(true), rows);
    const auto lines = itemsOf(layout, "memoNotes");
    ASSERT_GT(lines.size(), 1u);
    TextMeasure measure;
    const int font = measure.fontIndex(layout.fonts.at(size_t(lines[0]->font)));
    QStringList texts;
    for (const PlacedItem* line : lines) {
        EXPECT_LE(measure.width(font, line->text), 128323) << line->text.toStdString();
        EXPECT_FALSE(line->text.startsWith(' ') || line->text.endsWith(' '));
        texts << line->text;
    }
    EXPECT_EQ(texts.join(' '), rows[0].Notes);
}

struct TitleCase {
    bool printDate;
    const char* title;
    bool bandShown;
    const char* titleText; // nullptr: no title printed
    bool dateShown;
};

TEST(ReportLayout, TheTitleBandShowsWithATitleOrTheDate)
{
    const TitleCase cases[] = {
        {false, "", false, nullptr, false},   {false, " \t ", false, nullptr, false}, {true, "", true, nullptr, true},
        {false, "Mine", true, "Mine", false}, {true, "  Mine ", true, "Mine", true},
    };
    for (const TitleCase& c : cases) {
        for (ReportTemplate t : {ppRptPasswords(), ppRptConcise()}) {
            BeforePrint(t, {c.printDate, c.title, true, QDate(2026, 3, 4), u'-'});
            const ReportLayout layout = LayOutReport(t, accountsIn("Bank", 1));
            const ReportPage& page = layout.pages.at(0);
            const std::string what =
                t.name.toStdString() + " date " + (c.printDate ? "on" : "off") + " title \"" + c.title + "\"";
            EXPECT_EQ(bandsOf(page, BandKind::Title), c.bandShown ? 1 : 0) << what;
            EXPECT_EQ(textsOf(page, t.titleLabel), c.titleText ? QStringList{c.titleText} : QStringList()) << what;
            EXPECT_EQ(textsOf(page, t.dateLabel), c.dateShown ? QStringList{"03-04-2026"} : QStringList()) << what;
            // Without the band the group starts at the top margin.
            const Length groupTop = itemsOf(page, "txtName").at(0)->box.top();
            const ReportElement& name = t.element("txtName");
            EXPECT_EQ(groupTop, t.page.marginTop + name.top + (c.bandShown ? t.band(BandKind::Title)->height : 0))
                << what;
        }
    }
}

TEST(ReportLayout, DatesAsMonthDayYearAndANullDatePrintsNothing)
{
    auto rows = accountsIn("Bank", 1);
    rows[0].AssignDate = QDate(2026, 3, 4);
    for (const ReportTemplate& t : {full(true), concise(true)}) {
        const ReportLayout layout = LayOutReport(t, rows, u'.');
        EXPECT_EQ(textsOf(layout.pages[0], "txtAssignDate"), QStringList{"03.04.2026"}) << t.name.toStdString();
        EXPECT_TRUE(textsOf(layout.pages[0], "txtExpireDate").isEmpty()) << t.name.toStdString();
    }
}

TEST(ReportLayout, TheConciseReportCutsLongTextsAtTheirWidths)
{
    auto rows = accountsIn("Bank", 1);
    rows[0].ID = QString(100, u'W');
    rows[0].Description = QString(100, u'M');
    const ReportLayout layout = LayOutReport(concise(true), rows);
    TextMeasure measure;
    for (const auto& [element, width] : {std::pair{"txtID", 45773}, std::pair{"txtDescription", 68263}}) {
        const auto items = itemsOf(layout, element);
        ASSERT_EQ(items.size(), 1u) << element;
        const PlacedItem& id = *items[0];
        const int font = measure.fontIndex(layout.fonts.at(size_t(id.font)));
        EXPECT_TRUE(id.clip) << element;
        EXPECT_EQ(id.box.width(), width) << element;
        EXPECT_GT(id.text.size(), 5) << element;
        EXPECT_LT(id.text.size(), 100) << element;
        EXPECT_LE(measure.width(font, id.text), width) << element;
        EXPECT_GT(measure.width(font, id.text + id.text.back()), width) << element;
    }
}

TEST(ReportLayout, RowsKeepTheirOrderAndEachNameIsOneGroup)
{
    const auto rows = joined({accountsIn("Bank", 3), accountsIn("Mail", 1), accountsIn("bank", 1)});
    const ReportLayout layout = LayOutReport(full(false), rows);
    ASSERT_EQ(layout.pageCount(), 1);
    EXPECT_EQ(textsOf(layout.pages[0], "txtName"), QStringList({"Bank", "Mail", "bank"}));
    EXPECT_EQ(textsOf(layout.pages[0], "txtDescription"),
              QStringList({"Bank account 001", "Bank account 002", "Bank account 003", "Mail account 001",
                           "bank account 001"}));
}

TEST(ReportLayout, SizedTextsAreAsWideAsTheirText)
{
    auto rows = accountsIn("A group with a rather long name", 1);
    const ReportLayout layout = LayOutReport(full(true), rows);
    const PlacedItem& name = *itemsOf(layout, "txtName").at(0);
    TextMeasure measure;
    EXPECT_EQ(name.box.width(), measure.width(measure.fontIndex(layout.fonts.at(size_t(name.font))), name.text));
    EXPECT_GT(name.box.width(), 11642);
    EXPECT_FALSE(name.clip);
}

} // namespace

namespace {

TEST(ReportLayout, RightAlignedCaptionsEndWhereTheirBoxesEnd)
{
    const ReportTemplate t = full(true);
    const ReportLayout layout = LayOutReport(t, accountsIn("Bank", 1));
    for (const char* caption : {"lblID", "lblPassword", "lblInternet", "lblNotes", "lblAssigned", "lblExpires"}) {
        const auto items = itemsOf(layout, caption);
        ASSERT_EQ(items.size(), 1u) << caption;
        const ReportElement& e = t.element(caption);
        EXPECT_EQ(items[0]->box.left() + items[0]->box.width(), t.page.marginLeft + e.left + e.width) << caption;
        EXPECT_LT(items[0]->box.width(), e.width + 1000) << caption;
    }
}

} // namespace
