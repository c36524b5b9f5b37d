#include "ReportFixture.h"

#include "WhenModal.h"
#include "report/BeforePrint.h"
#include "report/ReportTemplates.h"
#include "settings/Error.h"
#include "support/PdfText.h"
#include "support/ReportTestRows.h"
#include "ui/dialogs/ReportPdf.h"
#include "ui/dialogs/TfrmPrintPreview.h"
#include "ui/dialogs/TfrmSelectReport.h"
#include "ui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace lw;
using lw::test::InOrder;
using lw::test::PdfPageTexts;
using lw::test::WhenModal;

namespace {

QString pdfTitle(const QString& path)
{
    QProcess p;
    p.start("pdfinfo", {path});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Title:"))
            return line.mid(6).trimmed();
    return {};
}

class ReportPdfTest : public lw::test::ReportFixture {
protected:
    // Runs a report through the selection dialog and saves it from the preview.
    void savePdf(const std::function<void(TfrmSelectReport*)>& choose, const QString& target)
    {
        files.queueAnswer(target);
        bool saved = false;
        WhenModal<TfrmSelectReport> select([&](TfrmSelectReport* d) {
            choose(d);
            WhenModal<TfrmPrintPreview> preview([&](TfrmPrintPreview* p) {
                clock.time = clock.time.addDays(1); // the PDF is made afresh, with its own date
                p->cmdSavePdf->click();
                saved = true;
                p->cmdClose->click();
            });
            d->cmdOK->click();
            d->reject();
        });
        runReports();
        ASSERT_TRUE(saved);
        if (qEnvironmentVariableIsSet("LW_KEEP_PDF_DIR"))
            QFile::copy(target, QDir(qEnvironmentVariable("LW_KEEP_PDF_DIR")).filePath(QFileInfo(target).fileName()));
    }
};

TEST_F(ReportPdfTest, TheFullReportOfAllGroupsAsPdf)
{
    add("Email Accounts", "Work mail", "me@work.example", "w0rk-Pass", "https://mail.work.example",
        "Second factor on the phone.", QDate(2025, 2, 3), QDate(2027, 4, 5));
    add("Email Accounts", "Home mail", "me@home.example", "h0me-Pass");
    add("Misc Accounts", "Alarm code", "", "1234");
    open();
    const QString pdf = dir.file("Passwords.pdf");
    savePdf(
        [](TfrmSelectReport* d) {
            d->RGReportType->setItemIndex(1);
            d->txtTitle->setText("Family accounts");
        },
        pdf);

    ASSERT_EQ(files.calls.size(), 1u);
    EXPECT_EQ(files.calls[0].kind, "save");
    EXPECT_EQ(files.calls[0].title, "Save as PDF");
    EXPECT_TRUE(files.calls[0].startDir.endsWith("/Passwords.pdf")) << files.calls[0].startDir.toStdString();
    EXPECT_TRUE(files.calls[0].filter.contains("*.pdf"));

    const QStringList pages = PdfPageTexts(pdf);
    ASSERT_EQ(pages.size(), 2) << "one group per page";
    const QChar sep = SystemDateSeparator();
    const QString printed = ReportDateText(clock.time.date(), sep);
    EXPECT_TRUE(InOrder(pages[0], {"Family accounts",
                                   printed,
                                   "Email Accounts",
                                   "Home mail",
                                   "ID:",
                                   "me@home.example",
                                   "Password:",
                                   "h0me-Pass",
                                   "Work mail",
                                   "ID:",
                                   "me@work.example",
                                   "Assigned:",
                                   ReportDateText(QDate(2025, 2, 3), sep),
                                   "Password:",
                                   "w0rk-Pass",
                                   "Expires:",
                                   ReportDateText(QDate(2027, 4, 5), sep),
                                   "Internet:",
                                   "https://mail.work.example",
                                   "Notes:",
                                   "Second factor on the phone."}))
        << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains("Alarm code"));
    EXPECT_TRUE(InOrder(pages[1], {"Misc Accounts", "Alarm code", "Password:", "1234"})) << pages[1].toStdString();
    EXPECT_FALSE(pages[1].contains("Family accounts")) << "the title is on the first page only";

    EXPECT_EQ(QFileInfo(pdf).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser)
        << "0600";
    EXPECT_EQ(pdfTitle(pdf), "Passwords");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".pdf").size(), 1)
        << "no temporary file is left";
}

TEST_F(ReportPdfTest, TheConciseReportOfTheCurrentGroupAsPdf)
{
    add("Email Accounts", "Work mail", "me@work.example", "w0rk-Pass", "", "", QDate(2025, 2, 3));
    add("Email Accounts", "Home mail", "me@home.example", "h0me-Pass");
    add("Misc Accounts", "Alarm code", "", "1234");
    open();
    const QString pdf = dir.file("Concise.pdf");
    savePdf(
        [](TfrmSelectReport* d) {
            d->RGType->setItemIndex(1);
            d->chkDate->setChecked(false);
            d->txtTitle->clear();
        },
        pdf);
    const QStringList pages = PdfPageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QChar sep = SystemDateSeparator();
    EXPECT_TRUE(InOrder(pages[0], {"Email Accounts", "ID", "Password", "Assigned", "Expires", "Home mail",
                                   "me@home.example", "h0me-Pass", "Work mail", "me@work.example", "w0rk-Pass",
                                   ReportDateText(QDate(2025, 2, 3), sep)}))
        << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains("Alarm code"));
    EXPECT_FALSE(pages[0].contains(ReportDateText(clock.time.date(), sep))) << "no date asked for";
}

TEST_F(ReportPdfTest, AFailedWriteNamesTheFileAndKeepsTheOldOne)
{
    const ReportLayout layout = LayOutReport(ppRptConcise(), lw::test::accountsIn("Bank", 1));
    const QString missing = dir.file("no such folder/Passwords.pdf");
    try {
        SaveReportPdf(layout, missing);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(missing))) << e.message().toStdString();
    }
    // A good write replaces an older file in one step.
    const QString pdf = dir.file("Old.pdf");
    dir.write("Old.pdf", "old");
    QFile::setPermissions(pdf, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    SaveReportPdf(layout, pdf);
    EXPECT_TRUE(dir.read("Old.pdf").startsWith("%PDF"));
    EXPECT_FALSE(QFileInfo(pdf).permissions() & (QFile::ReadGroup | QFile::ReadOther));
}

TEST_F(ReportPdfTest, APrintFileIsMadeForItsOwnerOnly)
{
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    dir.write("Shared.pdf", "old");
    QFile::setPermissions(dir.file("Shared.pdf"), ownerOnly | QFile::ReadGroup | QFile::ReadOther);
    for (const char* name : {"New.pdf", "Shared.pdf"}) {
        CreateOwnerOnlyFile(dir.file(name));
        EXPECT_EQ(QFileInfo(dir.file(name)).permissions(), ownerOnly) << name;
    }
    EXPECT_THROW(CreateOwnerOnlyFile(dir.file("no such folder/x.pdf")), Error);
}

} // namespace
