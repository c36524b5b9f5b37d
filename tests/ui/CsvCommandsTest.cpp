#include "MainWindowFixture.h"

#include "settings/Error.h"
#include "store/Connection.h"
#include "ui/main/MainControls.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <sys/stat.h>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

const QByteArray kKeePassXcExport = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"
                                    "\"Root/Banking\",\"Bank\",\"me\",\"pw,1\",\"https://bank.example\",\"\"\n"
                                    "\"Root/Email Accounts\",\"Mail\",\"me\",\"pw2\",\"\",\"two\nlines\"\n"
                                    "\"Root/Banking\",\"Card\",\"\",\"1234\",\"\",\"\"\n";

class CsvCommandsTest : public MainWindowTest {
protected:
    QVariant scalar(const QString& sql) { return main->session().connection().scalar(sql); }
    qint64 accountCount() { return scalar("select count(*) from Passwords").toLongLong(); }

    void importFile(const QString& name, bool answer)
    {
        files.queueAnswer(dir.file(name));
        messages.queueAnswer(answer);
        main->mnuFileImportFromCSVClick();
    }
};

TEST_F(CsvCommandsTest, TheCommandsFollowTheDescribedFileItemsAndNeedADatabase)
{
    auto& u = main->ui();
    QStringList items;
    for (QAction* a : u.mnuFile->actions())
        items << (a->isSeparator() ? QString("-") : a->text());
    EXPECT_EQ(items, (QStringList{"&New...", "&Open...", "&Close Database...", "-", "Change &Master Password...", "-",
                                  "&Backup...", "-", "E&xit", "-", "&Import from CSV...", "&Export to CSV..."}));
    EXPECT_FALSE(u.mnuFileImportFromCSV->isEnabled());
    EXPECT_FALSE(u.mnuFileExportToCSV->isEnabled());
    createDatabase("x.pdb", "secret1");
    EXPECT_TRUE(u.mnuFileImportFromCSV->isEnabled());
    EXPECT_TRUE(u.mnuFileExportToCSV->isEnabled());
    main->mnuFileCloseDatabaseClick();
    EXPECT_FALSE(u.mnuFileImportFromCSV->isEnabled());
    EXPECT_FALSE(u.mnuFileExportToCSV->isEnabled());
}

TEST_F(CsvCommandsTest, AnImportAsksWithItsSummaryAndTheWindowShowsWhatWasAdded)
{
    createDatabase("x.pdb", "secret1");
    dir.write("in.csv", kKeePassXcExport);
    importFile("in.csv", true);

    ASSERT_FALSE(messages.boxes.empty());
    EXPECT_EQ(messages.boxes.back().kind, "confirm");
    EXPECT_EQ(messages.boxes.back().text,
              "3 accounts in 2 groups will be added; 0 rows skipped\r\nNew groups: Banking.");
    EXPECT_EQ(files.calls.back().title, "Import from CSV");
    EXPECT_EQ(files.calls.back().filter, "CSV files (*.csv)");
    // The window shows the group of the first account imported.
    auto& u = main->ui();
    EXPECT_EQ(u.cboGroup->count(), 5);
    EXPECT_EQ(u.cboGroup->currentText(), "Banking");
    EXPECT_EQ(scalar("select [Group] from Options").toString(), "Banking");
    EXPECT_EQ(u.SB->text(), "2 items in Banking");
    EXPECT_EQ(u.GridDescription->model()->index(0, 0).data().toString(), "Bank");
    EXPECT_EQ(u.txtID->text(), "me");
    EXPECT_EQ(main->DM().qryPasswords.value("AssignDate").toDateTime(), QDateTime(clock.time.date(), QTime(0, 0)));
    main->DM().ChooseGroup("Email Accounts");
    EXPECT_EQ(u.SB->text(), "1 item in Email Accounts");
}

TEST_F(CsvCommandsTest, CancelInTheSummaryAddsNothing)
{
    createDatabase("x.pdb", "secret1");
    dir.write("in.csv", kKeePassXcExport);
    importFile("in.csv", false);
    EXPECT_EQ(accountCount(), 0);
    EXPECT_EQ(scalar("select count(*) from Groups").toInt(), 4);
}

TEST_F(CsvCommandsTest, ADatabaseWithoutGroupsShowsTheImportedOnes)
{
    createDatabase("x.pdb", "secret1", false);
    dir.write("in.csv", kKeePassXcExport);
    importFile("in.csv", true);
    auto& u = main->ui();
    EXPECT_EQ(u.cboGroup->count(), 2);
    EXPECT_EQ(u.cboGroup->currentText(), "Banking");
    EXPECT_EQ(scalar("select [Group] from Options").toString(), "Banking");
    EXPECT_EQ(u.SB->text(), "2 items in Banking");
    EXPECT_TRUE(u.txtID->isEnabled());
}

TEST_F(CsvCommandsTest, ABrokenFileIsRefusedBeforeAnyQuestionAndNothingIsWritten)
{
    createDatabase("x.pdb", "secret1");
    dir.write("broken.csv", kKeePassXcExport + "\"Root/Banking\",\"Open quote,\"x\",\"\",\"\",\"\"\n");
    files.queueAnswer(dir.file("broken.csv"));
    try {
        main->mnuFileImportFromCSVClick();
        ADD_FAILURE() << "the broken file was imported";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("broken.csv")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("row 5")) << e.message().toStdString();
    }
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(accountCount(), 0);
}

TEST_F(CsvCommandsTest, AFileWithNothingToAddIsSaidAndNotAsked)
{
    createDatabase("x.pdb", "secret1");
    dir.write("empty.csv", "name,url,username,password\n,,,\n");
    files.queueAnswer(dir.file("empty.csv"));
    main->mnuFileImportFromCSVClick();
    EXPECT_EQ(messages.texts(), QStringList{"0 accounts in 0 groups will be added; 1 row skipped\r\nRow 2 is empty."});
    EXPECT_EQ(messages.boxes.back().kind, "info");
}

TEST_F(CsvCommandsTest, AnExportWarnsFirstThenWritesEveryAccountForItsOwnerOnly)
{
    createDatabase("x.pdb", "secret1");
    dir.write("in.csv", kKeePassXcExport);
    importFile("in.csv", true);
    messages.boxes.clear();

    messages.queueAnswer(true);
    files.queueAnswer(dir.file("out"));
    main->mnuFileExportToCSVClick();

    const QString path = dir.file("out.csv");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].kind, "confirm");
    EXPECT_TRUE(messages.boxes[0].text.contains("every password")) << messages.boxes[0].text.toStdString();
    EXPECT_EQ(messages.boxes[1].text, "3 accounts written to \"" + path + "\".");
    EXPECT_EQ(files.calls.back().kind, "save");
    EXPECT_EQ(files.calls.back().title, "Export to CSV");
    const QByteArray written = dir.read("out.csv");
    EXPECT_TRUE(written.startsWith("\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"));
    EXPECT_TRUE(written.contains("\"Root/Banking\",\"Bank\",\"me\",\"pw,1\",\"https://bank.example\",\"\"\n"));
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(CsvCommandsTest, NoToTheWarningWritesNothing)
{
    createDatabase("x.pdb", "secret1");
    messages.queueAnswer(false);
    main->mnuFileExportToCSVClick();
    EXPECT_TRUE(files.calls.size() == 1); // only File > New's
    EXPECT_FALSE(dir.exists("out.csv"));
}

} // namespace
