#include "support/ReportTestRows.h"

#include "report/ReportFonts.h"
#include "report/ReportPainter.h"
#include "report/ReportTemplates.h"
#include "support/PdfText.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFontInfo>
#include <QPdfWriter>
#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

namespace {

TEST(ReportFonts, TheTemplateFamiliesResolveToTheirMetricCompatibleStandIns)
{
    const struct {
        const char* named;
        const char* installed;
    } cases[] = {
        {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};
    for (const auto& c : cases) {
        EXPECT_EQ(InstalledFamily(c.named), c.installed);
        EXPECT_EQ(QFontInfo(ReportFont({c.named, 9, Qt::black, false})).family(), c.installed)
            << "is fonts-liberation2 installed?";
    }
    EXPECT_EQ(InstalledFamily("DejaVu Sans"), "DejaVu Sans");
}

TEST(ReportPainter, APdfHoldsEveryPageInOrder)
{
    TempDir dir;
    const QString path = dir.file("report.pdf");
    auto rows = joined({accountsIn("Bank", 2), accountsIn("Mail", 1)});
    rows[0].URL = "https://bank.example";
    rows[0].AssignDate = QDate(2026, 1, 31);
    ReportTemplate t = prepared(ppRptPasswords(), true, true, "My accounts");
    const ReportLayout layout = LayOutReport(t, rows);
    ASSERT_EQ(layout.pageCount(), 2);
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        pdf.setPageLayout(ReportPageLayout(layout.page));
        PaintReport(layout, pdf);
    }
    if (qEnvironmentVariableIsSet("LW_KEEP_PDF"))
        QFile::copy(path, qEnvironmentVariable("LW_KEEP_PDF"));
    const QStringList pages = PdfPageTexts(path);
    ASSERT_EQ(pages.size(), 2) << "is poppler-utils installed?";
    EXPECT_TRUE(InOrder(pages[0], {"My accounts", "12/11/2026", "Bank", "Bank account 001", "ID:", "user1",
                                   "Assigned:", "01/31/2026", "Password:", "pw1", "Internet:", "https://bank.example",
                                   "Bank account 002"}))
        << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains("Mail"));
    EXPECT_TRUE(InOrder(pages[1], {"Mail", "Mail account 001", "user1", "pw1"})) << pages[1].toStdString();
}

TEST(ReportPainter, OnlyThePagesInTheDevicesRangesArePainted)
{
    TempDir dir;
    const QString path = dir.file("range.pdf");
    const ReportLayout layout = LayOutReport(
        prepared(ppRptConcise(), true), joined({accountsIn("Bank", 1), accountsIn("Mail", 1), accountsIn("Shop", 1)}));
    ASSERT_EQ(layout.pageCount(), 3);
    {
        QPdfWriter pdf(path);
        pdf.setPageLayout(ReportPageLayout(layout.page));
        QPageRanges ranges;
        ranges.addPage(2);
        ranges.addPage(3);
        pdf.setPageRanges(ranges);
        PaintReport(layout, pdf);
    }
    const QStringList pages = PdfPageTexts(path);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Mail account 001"));
    EXPECT_TRUE(pages[1].contains("Shop account 001"));
}

} // namespace
