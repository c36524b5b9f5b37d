#include "MainWindowFixture.h"

#include "settings/Error.h"
#include "store/Connection.h"
#include "ui/bindings/DatasetModel.h"
#include "ui/dialogs/TfrmChangePassword.h"
#include "ui/dialogs/TfrmEnterMasterPassword.h"
#include "ui/dialogs/TfrmNewMasterPassword.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/PictureButton.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

bool menuShown(QMenu* m)
{
    return m->menuAction()->isVisible() && m->isEnabled();
}

TEST_F(MainWindowTest, StartsClosedAtItsDesignedSizeWithDatabaseCommandsOutOfReach)
{
    auto& u = main->ui();
    EXPECT_EQ(main->windowTitle(), " Lockwell");
    EXPECT_EQ(main->size(), QSize(612, 464));
    EXPECT_FALSE(main->isMaximized());
    EXPECT_FALSE(menuShown(u.mnuEdit));
    EXPECT_FALSE(menuShown(u.mnuGroups));
    EXPECT_FALSE(menuShown(u.mnuPasswords));
    EXPECT_FALSE(u.mnuFileCloseDatabase->isEnabled());
    EXPECT_FALSE(u.mnuFileChangeMasterPassword->isEnabled());
    for (PictureButton* b :
         {u.cmdAddGroup, u.cmdFind, u.cmdLog, u.cmdExpire, u.cmdReport, u.cmdOptions, u.cmdPassword, u.cmdGo})
        EXPECT_FALSE(b->isEnabled()) << b->toolTip().toStdString();
    for (PictureButton* b : {u.cmdNew, u.cmdOpen, u.cmdExit})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_FALSE(u.txtPassword->isEnabled());
    EXPECT_TRUE(u.txtID->isEnabled());
    EXPECT_FALSE(u.cmdSaveMemo->isEnabled());
    EXPECT_EQ(u.SB->text(), "");
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndShortcuts)
{
    auto& u = main->ui();
    struct Item {
        QAction* action;
        const char* caption;
        const char* shortcut;
    };
    for (const Item& i :
         {Item{u.mnuFileOpen, "&Open...", "F2"}, Item{u.mnuEditUndo, "&Undo", "Ctrl+Z"},
          Item{u.mnuEditFind, "&Find...", "Ctrl+F"}, Item{u.mnuEditLog, "View &Access Log...", "Ctrl+L"},
          Item{u.mnuEditOptions, "&Options...", "Ctrl+O"}, Item{u.mnuGroupsNew, "&New...", "Alt+S"},
          Item{u.mnuGroupsReports, "&Reports...", "Ctrl+R"}, Item{u.mnuPasswordsAdd, "&Add...", "Alt+A"},
          Item{u.mnuHelpContents, "&Contents", "F1"}, Item{u.mnuFileExit, "E&xit", ""},
          Item{u.mnuPasswordsExpired, "E&xpired Passwords...", ""}, Item{u.AboutLockwell1, "&About Lockwell...", ""}}) {
        EXPECT_EQ(i.action->text(), i.caption);
        EXPECT_EQ(i.action->shortcut().toString(), i.shortcut) << i.caption;
    }
    QStringList titles;
    for (QAction* a : main->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Groups", "&Passwords", "&Help"}));
}

TEST_F(MainWindowTest, FileNewValidatesThePasswordThenCreatesAndOpensTheDatabase)
{
    files.queueAnswer(dir.file("family"));
    modal.then<TfrmNewMasterPassword>([](TfrmNewMasterPassword& d) {
        QTest::keyClicks(d.txtPassword, "abc");
        QTest::keyClicks(d.txtVerify, "xyz");
        d.cmdCreateDB->click();
    });
    modal.then<TfrmNewMasterPassword>([](TfrmNewMasterPassword& d) {
        QTest::keyClicks(d.txtPassword, "d");
        QTest::keyClicks(d.txtVerify, "Abcd");
        QTest::keyClick(d.txtVerify, Qt::Key_Escape); // does not close this dialog
        QTest::keyClick(d.txtVerify, Qt::Key_Return);
    });
    modal.then<TfrmNewMasterPassword>([this](TfrmNewMasterPassword& d) {
        d.txtVerify->clear();
        QTest::keyClicks(d.txtVerify, "abcd");
        messages.queueAnswer(true); // to the short-password warning
        QTest::keyClick(d.txtVerify, Qt::Key_Return);
    });
    main->mnuFileNewClick();

    EXPECT_EQ(messages.texts().mid(0, 2),
              (QStringList{"The password must be at least 4 characters in length. Please try again!",
                           "Sorry, the passwords do not match. Please try again!"}));
    ASSERT_EQ(messages.boxes.size(), 3u);
    EXPECT_EQ(messages.boxes[2].kind, "confirm");
    ASSERT_TRUE(main->session().isOpen());
    EXPECT_EQ(alias.GetDatabasePath(), dir.file("family.pdb"));
    EXPECT_EQ(main->windowTitle(), " Lockwell - family");
    EXPECT_EQ(settings.readString("SearchDir", "dir", "ERROR"), dir.path());
    auto& u = main->ui();
    EXPECT_TRUE(menuShown(u.mnuEdit));
    EXPECT_TRUE(u.cmdFind->isEnabled());
    EXPECT_EQ(u.cboGroup->count(), 4);
    EXPECT_EQ(u.cboGroup->currentText(), "Email Accounts");
    EXPECT_EQ(u.SB->text(), "0 items in Email Accounts");
    EXPECT_EQ(sounds.played, QStringList{"GRANT"});
    EXPECT_EQ(logLines().size(), 1);
}

TEST_F(MainWindowTest, TheUnlockDialogRefusesAWrongPasswordAndStaysOpen)
{
    createDatabase("work.pdb", "secret1");
    main->mnuFileCloseDatabaseClick();
    sounds.played.clear();
    QString boxAfterRefusal = "unset";
    QString caption;
    modal.then<TfrmEnterMasterPassword>([&](TfrmEnterMasterPassword& d) {
        caption = d.windowTitle();
        QTest::keyClicks(d.txtPassword, "wrong");
        QTest::keyClick(d.txtPassword, Qt::Key_Return);
        boxAfterRefusal = d.txtPassword->text();
        QTest::keyClicks(d.txtPassword, "secret1");
        d.cmdOK->click();
    });
    main->ShowUnlockDialog();
    EXPECT_EQ(caption, "Lockwell - work");
    EXPECT_EQ(boxAfterRefusal, "");
    EXPECT_TRUE(main->session().isOpen());
    EXPECT_EQ(sounds.played, (QStringList{"DENY", "GRANT"}));
    EXPECT_EQ(logLines().mid(1),
              (QStringList{"12/11/2026 09:30 AM ... work ... failed", "12/11/2026 09:30 AM ... work ... success"}));
}

TEST_F(MainWindowTest, ChangingTheMasterPasswordChecksInOrderAndRekeys)
{
    createDatabase("work.pdb", "secret1");
    modal.then<TfrmChangePassword>([this](TfrmChangePassword& d) {
        QTest::keyClicks(d.txtCurrent, "SECRET1");
        QTest::keyClicks(d.txtNew, "no");
        d.cmdOK->click();
        d.txtCurrent->clear();
        QTest::keyClicks(d.txtCurrent, "secret1");
        d.cmdOK->click();
        d.txtNew->clear();
        QTest::keyClicks(d.txtNew, "better2");
        QTest::keyClicks(d.txtVerify, "better3");
        d.cmdOK->click();
        d.txtVerify->clear();
        QTest::keyClicks(d.txtVerify, "better2");
        messages.queueAnswer(true); // to the short-password warning
        QTest::keyClick(d.txtVerify, Qt::Key_Return);
    });
    main->mnuFileChangeMasterPasswordClick();
    ASSERT_EQ(messages.boxes.size(), 5u);
    EXPECT_EQ(messages.boxes[3].kind, "confirm");
    messages.boxes.erase(messages.boxes.begin() + 3);
    EXPECT_EQ(messages.texts(),
              (QStringList{"Sorry, the value entered for the current password is incorrect.\r\nRemember, the master "
                           "password is case-sensitive.",
                           "Sorry, the password must be at least 4 characters long.\r\nPlease try again.",
                           "Sorry, the new password value could not be verified. \r\nPlease verify the password again.",
                           "Master Password Changed!"}));
    EXPECT_EQ(main->session().CurrentMasterPassword(), "better2");
    main->mnuFileCloseDatabaseClick();
    EXPECT_THROW(main->session().OpenDatabase("secret1"), SilentAbort);
    main->session().OpenDatabase("better2");
    EXPECT_TRUE(main->session().isOpen());
}

TEST_F(MainWindowTest, ComingBackFromTheTrayAsksForTheMasterPasswordWithoutTheEngine)
{
    createDatabase("work.pdb", "secret1");
    main->hide();
    main->Tag = 1;
    answerPasswordPrompt("nope", true);
    main->RestoreFromTray();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(main->Tag, 1);
    answerPasswordPrompt("secret1");
    main->RestoreFromTray();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->Tag, 0);
    EXPECT_EQ(logLines().mid(1),
              (QStringList{"12/11/2026 09:30 AM ... work ... failed", "12/11/2026 09:30 AM ... work ... success"}));
}

TEST_F(MainWindowTest, WithoutADatabaseTheWindowComesBackAtOnce)
{
    main->hide();
    main->Tag = 1;
    main->RestoreFromTray();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->Tag, 0);
}

TEST_F(MainWindowTest, TheTitleShowsTheShortOrTheLongName)
{
    createDatabase("work.pdb", "secret1");
    main->SetMainTitle("long");
    EXPECT_EQ(main->windowTitle(), " Lockwell - " + dir.file("work.pdb"));
    main->SetMainTitle("other");
    EXPECT_EQ(main->windowTitle(), " Lockwell - " + dir.file("work.pdb"));
    main->SetMainTitle("short");
    EXPECT_EQ(main->windowTitle(), " Lockwell - work");
    main->mnuFileCloseDatabaseClick();
    EXPECT_EQ(main->windowTitle(), " Lockwell");
}

TEST_F(MainWindowTest, ChoosingAGroupShowsItsAccountsAndIsRemembered)
{
    createDatabase("work.pdb", "secret1");
    main->session().connection().exec(
        "INSERT INTO Passwords (GroupID, Description) VALUES (3, 'bank'), (3, 'Alarm'), (1, 'mail');");
    main->DM().qryGroups.refresh();
    main->DM().qryPasswords.refresh();
    auto& u = main->ui();
    const int misc = u.cboGroup->findText("Misc Accounts");
    u.cboGroup->setCurrentIndex(misc);
    emit u.cboGroup->activated(misc);
    EXPECT_EQ(u.SB->text(), "2 items in Misc Accounts");
    EXPECT_EQ(u.GridDescription->model()->rowCount(), 2);
    EXPECT_EQ(u.GridDescription->model()->index(0, 0).data().toString(), "Alarm");
    EXPECT_EQ(u.GridDescription->currentIndex().row(), 0);
    EXPECT_TRUE(u.txtID->isEnabled());
    main->mnuFileCloseDatabaseClick();
    unlock("secret1");
    EXPECT_EQ(main->ui().cboGroup->currentText(), "Misc Accounts");
}

TEST_F(MainWindowTest, TypingInAFieldEditsTheAccountAndUndoPutsItBack)
{
    createDatabase("work.pdb", "secret1");
    main->session().connection().exec("INSERT INTO Passwords (GroupID, Description, ID) VALUES (1, 'mail', 'me');");
    main->DM().qryGroups.refresh();
    main->DM().qryPasswords.refresh();
    auto& u = main->ui();
    ASSERT_EQ(u.txtID->text(), "me");
    QTest::keyClicks(u.txtID, "2");
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Edit);
    EXPECT_TRUE(u.cmdSaveMemo->isEnabled());
    EXPECT_TRUE(u.mnuEditUndo->isEnabled());
    u.mnuEditUndo->trigger();
    EXPECT_EQ(u.txtID->text(), "me");
    EXPECT_FALSE(u.cmdSaveMemo->isEnabled());
    QTest::keyClicks(u.txtID, "!");
    u.cmdSaveMemo->click();
    EXPECT_EQ(main->session().connection().scalar("select ID from Passwords").toString(), "me!");
}

TEST_F(MainWindowTest, ReportsAndExpiredSayWhenThereIsNothing)
{
    createDatabase("empty.pdb", "secret1", false);
    main->mnuGroupsReportsClick();
    main->mnuPasswordsExpiredClick();
    EXPECT_EQ(messages.texts(), (QStringList{"No account Information to print!", "No passwords have expired"}));
    EXPECT_EQ(main->ui().SB->text(), "0 items");
}

TEST_F(MainWindowTest, TheToolbarsPicturesAndCaptionsSitOnCommonLines)
{
    auto& u = main->ui();
    QWidget* bar = u.cmdOpen->parentWidget();
    const auto captionBottom = [bar](PictureButton* b) { return b->mapTo(bar, b->captionRect().bottomLeft()).y(); };
    const auto pictureMiddle = [bar](PictureButton* b) { return b->mapTo(bar, b->pictureRect().center()).y(); };
    for (PictureButton* b :
         {u.cmdAddGroup, u.cmdEditGroup, u.cmdDelGroup, u.cmdReport, u.cmdLog, u.cmdExpire, u.cmdOptions, u.cmdFind}) {
        EXPECT_EQ(captionBottom(b), captionBottom(u.cmdOpen)) << b->text().toStdString();
        EXPECT_NEAR(pictureMiddle(b), pictureMiddle(u.cmdOpen), 1) << b->text().toStdString();
    }
}

TEST_F(MainWindowTest, TheGroupListShowsAtMostTenRowsAndScrolls)
{
    createDatabase("work.pdb", "secret1", false);
    for (int i = 1; i <= 11; ++i)
        main->session().connection().exec(QStringLiteral("INSERT INTO Groups (Name) VALUES ('Group %1');").arg(i));
    main->DM().qryGroups.refresh();
    QComboBox* groups = main->ui().cboGroup;
    ASSERT_EQ(groups->count(), 11);
    groups->showPopup();
    QAbstractItemView* list = groups->view();
    const int rowsShown = list->viewport()->height() / list->sizeHintForRow(0);
    const bool scrolls = list->verticalScrollBar()->maximum() > 0;
    groups->hidePopup();
    EXPECT_EQ(rowsShown, 10);
    EXPECT_TRUE(scrolls);
}

TEST_F(MainWindowTest, FileDialogsStartInTheProgramFolderUntilOneIsUsed)
{
    files.queueCancel();
    main->mnuFileOpenClick();
    ASSERT_EQ(files.calls.size(), 1u);
    EXPECT_EQ(files.calls[0].startDir, QCoreApplication::applicationDirPath());
}

TEST_F(MainWindowTest, ClosingWritesTheEditingKeysButNoPositionWithoutScreenpos)
{
    main->close();
    EXPECT_EQ(settings.readString("Options", "Editing", "x"), "1");
    EXPECT_EQ(settings.readString("Options", "warn", "x"), "0");
    EXPECT_EQ(settings.readString("Options", "screenleft", "none"), "none");
    settings.writeBool("Options", "screenpos", true);
    main.reset();
    main = std::make_unique<TfrmMain>(
        AppServices{dir.path(), settings, alias, log, clock, messages, files, sounds, clipboard});
    EXPECT_EQ(main->geometry(), QRect(0, 0, 640, 480));
    main->close();
    EXPECT_EQ(settings.readInt("Options", "screenwidth", 0), 640);
}

} // namespace
