#include "ReportFixture.h"

#include "WhenModal.h"
#include "report/BeforePrint.h"
#include "ui/dialogs/TfrmPrintPreview.h"
#include "ui/dialogs/TfrmSelectReport.h"
#include "ui/widgets/RadioGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace lw;
using lw::test::WhenModal;

namespace {

// What the selection dialog showed.
struct Shown {
    int reportType = -1;
    int type = -1;
    bool one = false;
    bool continuous = false;
    bool date = false;
    QString title;
};

Shown shownBy(TfrmSelectReport* d)
{
    return {d->RGReportType->itemIndex(), d->RGType->itemIndex(),  d->RBOne->isChecked(),
            d->RBContinuous->isChecked(), d->chkDate->isChecked(), d->txtTitle->text()};
}

// What a report run showed in its preview.
struct ReportRun {
    bool previewShown = false;
    bool busyWhileShown = true;
    bool maximised = false;
    int pages = 0;
    QString status;
    QStringList groups;
    QStringList descriptions;
    bool dialogOpenAfter = false;
};

QStringList texts(const ReportLayout& layout, const QString& element)
{
    QStringList out;
    for (const ReportPage& page : layout.pages)
        for (const PlacedItem& item : page.items)
            if (item.element == element)
                out << item.text;
    return out;
}

class SelectReportTest : public lw::test::ReportFixture {
protected:
    void addSamples()
    {
        add("Web Subscriptions", "News", "reader", "n3ws");
        add("Email Accounts", "Work mail", "me@work", "w0rk", "https://mail.work.example");
        add("Email Accounts", "Home mail", "me@home", "h0me");
        add("Misc Accounts", "Alarm code", "", "1234");
    }

    // Runs the Reports command; `act` works in the selection dialog.
    void inDialog(const std::function<void(TfrmSelectReport*)>& act)
    {
        WhenModal<TfrmSelectReport> when([&](TfrmSelectReport* d) {
            act(d);
            if (d->isVisible())
                d->reject();
        });
        runReports();
        ASSERT_TRUE(when.ran()) << "the selection dialog did not open";
    }

    // Starts a report with `start` in the open dialog and records its preview.
    ReportRun report(TfrmSelectReport* d, const std::function<void()>& start)
    {
        ReportRun run;
        WhenModal<TfrmPrintPreview> preview([&](TfrmPrintPreview* p) {
            run.previewShown = true;
            run.busyWhileShown = QApplication::overrideCursor() != nullptr;
            run.maximised = p->windowState() & Qt::WindowMaximized;
            run.pages = p->PageCount();
            run.status = p->pnlStatus->text();
            run.groups = texts(p->Pages(), "txtName");
            run.descriptions = texts(p->Pages(), "txtDescription");
            p->cmdClose->click();
        });
        start();
        run.dialogOpenAfter = d->isVisible();
        return run;
    }

    QString stored(const QString& key) { return settings.readString("PrintOptions", key, "(none)"); }
};

TEST_F(SelectReportTest, WithoutPrintOptionsTheDialogShowsItsDefaults)
{
    open();
    Shown shown;
    QString caption;
    inDialog([&](TfrmSelectReport* d) {
        shown = shownBy(d);
        caption = d->windowTitle();
        QTest::keyClick(d->txtTitle, Qt::Key_Escape);
    });
    EXPECT_EQ(caption, "Select Report");
    EXPECT_EQ(shown.reportType, 0);
    EXPECT_EQ(shown.type, 0);
    EXPECT_TRUE(shown.one);
    EXPECT_FALSE(shown.continuous);
    EXPECT_TRUE(shown.date);
    EXPECT_EQ(shown.title, "Account Summary");
    EXPECT_EQ(stored("title"), "(none)") << "Escape writes no options";
}

TEST_F(SelectReportTest, StoredOptionsComeBack)
{
    struct Case {
        QString title;
        QString shownTitle;
    } cases[] = {{"ERROR", "Account Summary"},
                 {"", ""},
                 {"Family", "Family"},
                 {"  Family ", "Family"}}; // the settings file keeps no blanks at a value's ends
    open();
    for (const Case& c : cases) {
        settings.writeString("PrintOptions", "title", c.title);
        settings.writeBool("PrintOptions", "date", false);
        settings.writeBool("PrintOptions", "one", false);
        settings.writeInt("PrintOptions", "type", 1);
        settings.writeInt("PrintOptions", "concise", 1);
        Shown shown;
        inDialog([&](TfrmSelectReport* d) { shown = shownBy(d); });
        EXPECT_EQ(shown.title, c.shownTitle) << "stored \"" << c.title.toStdString() << "\"";
        EXPECT_EQ(shown.reportType, 1);
        EXPECT_EQ(shown.type, 1);
        EXPECT_FALSE(shown.one);
        EXPECT_TRUE(shown.continuous);
        EXPECT_FALSE(shown.date);
    }
}

TEST_F(SelectReportTest, WithoutGroupsTheCommandOnlySaysSo)
{
    db->exec("DELETE FROM Groups;");
    open();
    WhenModal<TfrmSelectReport> when([](TfrmSelectReport* d) { d->reject(); });
    runReports();
    EXPECT_FALSE(when.ran());
    EXPECT_EQ(messages.texts(), QStringList{"No account Information to print!"});
    EXPECT_EQ(messages.boxes.at(0).kind, "plain");
}

TEST_F(SelectReportTest, NothingToPrintLeavesTheDialogOpenAndWritesNothing)
{
    struct Case {
        bool withAccounts; // in another group than the current one
        int reportType;
        QString message;
    } cases[] = {
        {true, 0, "No Accounts to Print in \"Email Accounts\" !"},
        {false, 1, "No accounts to print!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        if (c.withAccounts)
            add("Misc Accounts", "Alarm code", "", "1234");
        else
            db->exec("DELETE FROM Passwords;");
        dm.CloseQueries();
        open();
        messages.boxes.clear();
        bool openAfter = false;
        inDialog([&](TfrmSelectReport* d) {
            d->RGReportType->setItemIndex(c.reportType);
            d->cmdOK->click();
            openAfter = d->isVisible();
        });
        EXPECT_TRUE(openAfter);
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        ASSERT_FALSE(messages.boxes.empty());
        EXPECT_EQ(messages.boxes.at(0).kind, "plain");
        EXPECT_EQ(stored("title"), "(none)");
    }
}

TEST_F(SelectReportTest, AReportOpensTheMaximisedPreviewAndTheOptionsAreWrittenAfterIt)
{
    addSamples();
    open();
    ReportRun run;
    inDialog([&](TfrmSelectReport* d) {
        d->RGReportType->setItemIndex(1);
        d->RGType->setItemIndex(1);
        d->RBContinuous->setChecked(true);
        d->chkDate->setChecked(false);
        d->txtTitle->setText("  My title ");
        run = report(d, [&] { d->cmdOK->click(); });
    });
    EXPECT_TRUE(run.previewShown);
    EXPECT_TRUE(run.maximised);
    EXPECT_FALSE(run.busyWhileShown) << "the normal cursor while the preview is shown";
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_TRUE(run.dialogOpenAfter);
    EXPECT_EQ(run.pages, 1);
    EXPECT_EQ(run.status, " Page 1 of 1");
    EXPECT_TRUE(QString::fromUtf8(dir.read("lw.ini")).contains("title=  My title \n"))
        << "the title is written as typed";
    EXPECT_EQ(stored("date"), "0");
    EXPECT_EQ(stored("one"), "0");
    EXPECT_EQ(stored("type"), "1");
    EXPECT_EQ(stored("concise"), "1");
}

TEST_F(SelectReportTest, EnterRunsTheReportFromAnyControl)
{
    addSamples();
    open();
    QStringList ran;
    inDialog([&](TfrmSelectReport* d) {
        const std::pair<const char*, QWidget*> controls[] = {{"txtTitle", d->txtTitle},
                                                             {"RBContinuous", d->RBContinuous},
                                                             {"chkDate", d->chkDate},
                                                             {"RGType", d->RGType->item(1)},
                                                             {"cmdCancel", d->cmdCancel}};
        for (const auto& [name, control] : controls) {
            control->setFocus();
            if (report(d, [&] { QTest::keyClick(control, Qt::Key_Return); }).previewShown)
                ran << name;
        }
    });
    EXPECT_EQ(ran, QStringList({"txtTitle", "RBContinuous", "chkDate", "RGType", "cmdCancel"}));
}

TEST_F(SelectReportTest, AllGroupsInOrderOfNameAndAccountsInOrderOfDescription)
{
    addSamples();
    open();
    ReportRun all, current;
    inDialog([&](TfrmSelectReport* d) {
        d->RGReportType->setItemIndex(1);
        all = report(d, [&] { d->cmdOK->click(); });
        d->RGReportType->setItemIndex(0);
        current = report(d, [&] { d->cmdOK->click(); });
    });
    // "Web Discussion Boards" has no accounts and is left out.
    EXPECT_EQ(all.groups, QStringList({"Email Accounts", "Misc Accounts", "Web Subscriptions"}));
    EXPECT_EQ(all.descriptions, QStringList({"Home mail", "Work mail", "Alarm code", "News"}));
    EXPECT_EQ(all.pages, 3) << "one group per page";
    EXPECT_EQ(current.groups, QStringList({"Email Accounts"}));
    EXPECT_EQ(current.descriptions, QStringList({"Home mail", "Work mail"}));
    EXPECT_EQ(dm.qryRptPasswords.recordCount(), 2) << "the query keeps the last run's rows";
}

TEST_F(SelectReportTest, BeforePrintTakesTheDialogsChoices)
{
    open();
    BeforePrintChoices choices;
    inDialog([&](TfrmSelectReport* d) {
        d->txtTitle->setText(" Title ");
        d->chkDate->setChecked(false);
        d->RBContinuous->setChecked(true);
        choices = d->PrintChoices();
    });
    EXPECT_EQ(choices.title, " Title ");
    EXPECT_FALSE(choices.printDate);
    EXPECT_FALSE(choices.onePerPage);
    EXPECT_EQ(choices.today, clock.time.date());
    EXPECT_EQ(choices.dateSeparator, SystemDateSeparator());
}

} // namespace
