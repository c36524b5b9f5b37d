#include "MainWindowFixture.h"

#include "ui/dialogs/TfrmBackup.h"
#include "ui/main/MainControls.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class BackupDialog : public MainWindowTest {
protected:
    // Opens the dialog from the File menu and acts on it; the act may leave it open.
    void withBackup(std::function<void(TfrmBackup&)> act)
    {
        modal.then<TfrmBackup>([this, act](TfrmBackup& d) {
            act(d);
            stillOpen = d.isVisible();
            if (d.isVisible())
                d.reject();
        });
        main->ui().mnuFileBackup->trigger();
    }
    QString backup(const char* key) { return settings.readString("Backup", key, "<none>"); }
    void store(const char* key, const QString& value) { settings.writeString("Backup", key, value); }
    QString folder(const QString& name)
    {
        QDir(dir.path()).mkpath(name);
        return dir.file(name);
    }

    bool stillOpen = false;
};

TEST_F(BackupDialog, WithoutSettingsItOffersNoBackupEveryThreeUsesConfirmed)
{
    QString caption, text, hint;
    bool off = false, confirm = false;
    int interval = 0, browseWidth = 0;
    withBackup([&](TfrmBackup& d) {
        caption = d.windowTitle();
        text = d.DirEdit->text();
        off = d.chkNoBackup->isChecked() && !d.chkBackup->isChecked();
        interval = d.txtInterval->value();
        confirm = d.chkConfirm->isChecked();
        hint = d.DirEditButton->toolTip();
        browseWidth = d.DirEditButton->width();
    });
    EXPECT_EQ(caption, " Backup Options");
    EXPECT_EQ(text, "");
    EXPECT_TRUE(off);
    EXPECT_EQ(interval, 3);
    EXPECT_TRUE(confirm);
    EXPECT_EQ(hint, "Browse");
    EXPECT_EQ(browseWidth, 35);
}

TEST_F(BackupDialog, ReadsTheStoredSettings)
{
    struct Stored {
        const char* interval;
        const char* mode;
        int shownInterval;
        bool every;
    };
    const Stored cases[] = {{"0", "Yes", 3, true},   {"51", "yes", 3, true},   {"7", "YES", 7, true},
                            {"50", "NO", 50, false}, {"1", "ERROR", 1, false}, {"x", "Yess", 3, false}};
    for (const Stored& c : cases) {
        store("interval", c.interval);
        store("mode", c.mode);
        store("dir", "/some/where");
        store("Confirmation", "0");
        int shown = 0;
        bool every = false, confirm = true;
        QString text;
        withBackup([&](TfrmBackup& d) {
            shown = d.txtInterval->value();
            every = d.chkBackup->isChecked();
            confirm = d.chkConfirm->isChecked();
            text = d.DirEdit->text();
        });
        EXPECT_EQ(shown, c.shownInterval) << c.interval;
        EXPECT_EQ(every, c.every) << c.mode;
        EXPECT_FALSE(confirm);
        EXPECT_EQ(text, "/some/where");
    }
}

// Each refusal shows its text, keeps the dialog open and writes nothing.
struct RefusalCase {
    const char* name;
    bool every;
    // "$DB" stands for the database's folder, "$LINK" for a link to it, "$OTHER" for another folder.
    const char* typed;
    const char* message;
};

const char* const kSameFolder = "Sorry, You must specify a backup directory that is different than the directory "
                                "in which the database currently resides.";

const RefusalCase kRefusals[] = {
    {"every_without_folder", true, "", "A backup directory must be specified"},
    {"every_with_missing_folder", true, "$OTHER/gone", "The specified backup directory is invalid"},
    {"every_in_the_database_folder", true, "$DB", kSameFolder},
    {"off_in_the_database_folder", false, "$DB", kSameFolder},
    {"database_folder_in_other_case", false, "$DBUPPER", kSameFolder},
    {"database_folder_with_a_trailing_separator", true, "$DB/", kSameFolder},
    {"database_folder_through_a_dot_step", false, "$DB/./", kSameFolder},
    {"database_folder_through_a_link", true, "$LINK", kSameFolder},
};

class BackupRefusal : public BackupDialog, public ::testing::WithParamInterface<RefusalCase> { };

TEST_P(BackupRefusal, ShowsItsTextAndWritesNothing)
{
    const RefusalCase& c = GetParam();
    const QString dbFolder = folder("Data Base");
    const QString other = folder("Other");
    QFile::link(dbFolder, dir.file("Link"));
    alias.SetDatabasePath(dbFolder + "/family.pdb");
    settings.writeString("Options", "warn", "0");
    const QByteArray before = dir.read("lw.ini");
    const QString typed = QString(c.typed)
                              .replace("$DBUPPER", dbFolder.toUpper())
                              .replace("$DB", dbFolder)
                              .replace("$OTHER", other)
                              .replace("$LINK", dir.file("Link"));
    withBackup([&](TfrmBackup& d) {
        (c.every ? d.chkBackup : d.chkNoBackup)->setChecked(true);
        d.DirEdit->setText(typed);
        d.cmdOK->click();
    });
    EXPECT_EQ(messages.texts(), QStringList{c.message});
    EXPECT_EQ(messages.boxes.at(0).kind, "info");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dir.read("lw.ini"), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, BackupRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(BackupDialog, OkWritesTheFolderIntervalConfirmationCountAndModeInThatOrder)
{
    const QString target = folder("Backups");
    withBackup([&](TfrmBackup& d) {
        d.DirEdit->setText(target);
        d.chkBackup->setChecked(true);
        d.txtInterval->setValue(5);
        d.chkConfirm->setChecked(false);
        d.cmdOK->click();
    });
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(messages.boxes.empty());
    const QString file = QString::fromUtf8(dir.read("lw.ini"));
    const QString section = file.mid(file.indexOf("[Backup]")).trimmed();
    EXPECT_EQ(section.split(QRegularExpression("\r?\n")),
              (QStringList{"[Backup]", "dir=" + target, "interval=5", "Confirmation=0", "count=5", "mode=YES"}));
}

TEST_F(BackupDialog, TheCountNeverStaysAboveTheNewInterval)
{
    struct CountCase {
        const char* stored; // nullptr: no count yet
        const char* written;
    };
    const CountCase cases[] = {{"7", "5"}, {"2", "2"}, {nullptr, "5"}, {"-1", "5"}, {"5", "5"}};
    const QString target = folder("Backups");
    for (const CountCase& c : cases) {
        QFile::remove(dir.file("lw.ini"));
        if (c.stored)
            store("count", c.stored);
        withBackup([&](TfrmBackup& d) {
            d.DirEdit->setText(target);
            d.txtInterval->setValue(5);
            d.cmdOK->click();
        });
        EXPECT_EQ(backup("count"), c.written) << (c.stored ? c.stored : "none");
        EXPECT_EQ(backup("mode"), "NO");
    }
}

TEST_F(BackupDialog, NoBackupWithAnEmptyFolderKeepsTheStoredFolder)
{
    alias.SetDatabasePath(dir.file("family.pdb"));
    store("dir", "/old/place");
    withBackup([&](TfrmBackup& d) {
        d.DirEdit->clear();
        d.cmdOK->click();
    });
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(backup("dir"), "/old/place");
    EXPECT_EQ(backup("mode"), "NO");
    EXPECT_EQ(backup("interval"), "3");
}

TEST_F(BackupDialog, NoBackupWithNoFolderIsAcceptedWhileNoDatabaseIsKnown)
{
    ASSERT_EQ(alias.GetDatabasePath(), "");
    withBackup([&](TfrmBackup& d) { d.cmdOK->click(); });
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(backup("mode"), "NO");
    EXPECT_EQ(backup("dir"), "<none>");
}

TEST_F(BackupDialog, BrowsingKeepsTheEarlierFolderAndOkStoresTheChosenOne)
{
    const QString chosen = folder("Chosen");
    store("dir", "/earlier");
    files.queueAnswer(chosen);
    files.queueCancel();
    QString afterChoice, afterCancel, storedAfterChoice;
    withBackup([&](TfrmBackup& d) {
        d.DirEdit->setText("/typed");
        d.DirEditButton->click();
        afterChoice = d.DirEdit->text();
        storedAfterChoice = backup("dir");
        d.DirEditButton->click();
        afterCancel = d.DirEdit->text();
        d.cmdCancel->click();
    });
    ASSERT_EQ(files.calls.size(), 2u);
    EXPECT_EQ(files.calls[0].kind, "folder");
    EXPECT_EQ(files.calls[0].title, "Select a Backup Directory");
    EXPECT_EQ(files.calls[0].startDir, "/typed");
    EXPECT_EQ(afterChoice, chosen);
    EXPECT_EQ(storedAfterChoice, "/typed");
    EXPECT_EQ(afterCancel, chosen);
    EXPECT_EQ(backup("dir"), chosen) << "the text the edit held when the second browse opened";
    EXPECT_EQ(backup("mode"), "<none>");
}

TEST_F(BackupDialog, BrowsingFromAnEmptyEditKeepsTheStoredFolder)
{
    store("dir", "/earlier");
    store("mode", "YES");
    files.queueCancel();
    withBackup([&](TfrmBackup& d) {
        d.DirEdit->clear();
        d.DirEditButton->click();
        d.cmdCancel->click();
    });
    EXPECT_EQ(backup("dir"), "/earlier");
}

TEST_F(BackupDialog, TheIntervalChangesOnlyByItsArrowsWithinOneToFifty)
{
    std::vector<int> seen;
    bool tabStop = true;
    withBackup([&](TfrmBackup& d) {
        QSpinBox* box = d.txtInterval;
        box->setFocus();
        QTest::keyClicks(box, "9");
        seen.push_back(box->value());
        QTest::keyClick(box, Qt::Key_Up);
        seen.push_back(box->value());
        box->setValue(50);
        QTest::keyClick(box, Qt::Key_Up);
        seen.push_back(box->value());
        box->setValue(1);
        QTest::keyClick(box, Qt::Key_Down);
        seen.push_back(box->value());
        tabStop = (box->focusPolicy() & Qt::TabFocus) != 0;
    });
    EXPECT_EQ(seen, (std::vector<int>{3, 4, 50, 1}));
    EXPECT_FALSE(tabStop);
}

TEST_F(BackupDialog, EscapeClosesWithoutWriting)
{
    bool closed = false;
    withBackup([&](TfrmBackup& d) {
        d.chkBackup->setChecked(true);
        d.DirEdit->setFocus();
        QTest::keyClick(d.DirEdit, Qt::Key_Escape);
        closed = !d.isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(backup("mode"), "<none>");
}

TEST_F(BackupDialog, OpensWithADatabaseOpenToo)
{
    createDatabase("work.pdb", "secret1");
    const QString target = folder("Backups");
    withBackup([&](TfrmBackup& d) {
        d.DirEdit->setText(target);
        d.chkBackup->setChecked(true);
        d.cmdOK->click();
    });
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(backup("mode"), "YES");
    EXPECT_EQ(backup("dir"), target);
}

} // namespace
