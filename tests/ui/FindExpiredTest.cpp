// Find and the expired passwords list, driven through the main window's
// commands: what they list and count, and where they take the main window.
#include "MainWindowFixture.h"

#include "store/Connection.h"
#include "ui/dialogs/TfrmEnterMasterPassword.h"
#include "ui/dialogs/TfrmExpired.h"
#include "ui/dialogs/TfrmFind.h"
#include "ui/main/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class ToolDialogTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        clock.time = QDateTime(QDate(2026, 12, 11), QTime(9, 30));
        createDatabase("tools.pdb", "secret1");
        exec("INSERT INTO Passwords (GroupID, Description, ID, URL) VALUES "
             "(1, 'Webmail', 'alice', 'mail.example.com'), (3, 'Bank', 'bob', 'BANK.example.com'), "
             "(3, 'Gym', 'carol', NULL), (4, 'News', 'dave', 'news.example.com');");
        main->DM().qryPasswords.refresh();
    }
    void exec(const QString& sql) { main->session().connection().exec(sql); }
    QString group() { return main->ui().cboGroup->currentText(); }
    QString account() { return main->DM().qryPasswords.value("Description").toString(); }

    // Opens Find, types the text, picks "Where" and runs the search with Enter;
    // then act does what the test wants and the dialog is closed by Escape
    // unless act closed it.
    void find(const QString& typed, int where, const std::function<void(TfrmFind&)>& act)
    {
        modal.then<TfrmFind>([=](TfrmFind& d) {
            d.cboWhere->setCurrentIndex(where);
            QTest::keyClicks(d.txtFind, typed);
            QTest::keyClick(d.txtFind, Qt::Key_Return);
            act(d);
            if (d.isVisible())
                QTest::keyClick(&d, Qt::Key_Escape);
        });
        main->mnuEditFindClick();
    }
};

TEST(FindTyping, TheSearchBoxTakesOnlyTheCharactersTheStatementCanHold)
{
    const QString taken = QStringLiteral(" !#$%&'()*+,-./09AZ\\^_`az~");
    const QString refused = QStringLiteral("\":;<=>?@[]{|}\x7f\u00e9\x01");
    for (QChar c : taken)
        EXPECT_TRUE(TfrmFind::AcceptsTyped(c)) << int(c.unicode());
    for (QChar c : refused)
        EXPECT_FALSE(TfrmFind::AcceptsTyped(c)) << int(c.unicode());
}

TEST_F(ToolDialogTest, FindListsCountsAndTakesTheWindowToTheChosenAccount)
{
    QString typed, countOne, countNone, countMany;
    find("a?[\"nk", 0, [&](TfrmFind& d) {
        typed = d.txtFind->text();
        countOne = d.SB->text();
        QTest::keyClicks(d.txtFind, "zzz");
        d.cmdFind->click();
        countNone = d.SB->text();
        d.txtFind->setText("example"); // as a paste would
        d.cmdFind->click();
        countMany = d.SB->text();
        d.txtFind->setText("bank");
        d.cmdFind->click();
        QTest::keyClick(d.DBGridFind, Qt::Key_Return);
    });
    EXPECT_EQ(typed, "ank");
    EXPECT_EQ(countOne, " 1 account found");
    EXPECT_EQ(countNone, " 0 accounts found");
    EXPECT_EQ(countMany, " 3 accounts found");
    EXPECT_EQ(group(), "Misc Accounts");
    EXPECT_EQ(account(), "Bank");
    EXPECT_EQ(main->DM().qryOptions.value("Group").toString(), "Misc Accounts");
    EXPECT_FALSE(main->DM().qryOptions.isEditing()) << "the group is stored";
    EXPECT_EQ(settings.readInt("SearchOptions", "index", -1), 0);
}

TEST_F(ToolDialogTest, FindRemembersWhereAndFallsBackToAllForAStoredChoiceOutOfRange)
{
    settings.writeInt("SearchOptions", "index", 9);
    int shown = -1;
    QString blanks, typeAhead;
    find("   ", 4, [&](TfrmFind& d) {
        blanks = d.SB->text();
        d.txtFind->setText("o");
        d.cmdFind->click(); // ID: bob, carol
        QTest::keyClick(d.DBGridFind, 'm');
        typeAhead = d.DBGridFind->model()->index(d.DBGridFind->currentIndex().row(), 0).data().toString();
    });
    EXPECT_EQ(blanks, " 0 accounts found");
    EXPECT_EQ(typeAhead, "Misc Accounts");
    EXPECT_EQ(settings.readInt("SearchOptions", "index", -1), 4);

    settings.writeInt("SearchOptions", "index", 9);
    modal.then<TfrmFind>([&](TfrmFind& d) {
        shown = d.cboWhere->currentIndex();
        d.reject();
    });
    main->mnuEditFindClick();
    EXPECT_EQ(shown, 0);
}

TEST_F(ToolDialogTest, ExpiredOnRequestListsInOrderAndGoesToTheAccount)
{
    exec("UPDATE Passwords SET ExpireDate = '2026-12-11 00:00:00' WHERE Description IN ('Gym', 'Bank');"
         "UPDATE Passwords SET ExpireDate = '2026-12-12 00:00:00' WHERE Description = 'News';");
    QStringList listed;
    QString count;
    bool remindShown = true;
    modal.then<TfrmExpired>([&](TfrmExpired& d) {
        for (int r = 0; r < d.DBCtrlGridExpired->model()->rowCount(); ++r)
            listed << d.DBCtrlGridExpired->model()->index(r, 1).data().toString();
        count = d.SB->text();
        remindShown = d.chkRemind->isVisible();
        QTest::keyClick(d.DBCtrlGridExpired, Qt::Key_Down);
        QTest::keyClick(d.DBCtrlGridExpired, Qt::Key_Return);
    });
    main->mnuPasswordsExpiredClick();
    EXPECT_EQ(listed, (QStringList{"Bank", "Gym"}));
    EXPECT_EQ(count, " 2 expired passwords");
    EXPECT_FALSE(remindShown);
    EXPECT_EQ(group(), "Misc Accounts");
    EXPECT_EQ(account(), "Gym");
    EXPECT_EQ(settings.readString("ExpireOptions", "remind", "missing"), "0");
}

TEST_F(ToolDialogTest, TheExpiryDateIsShownWhole)
{
    exec("UPDATE Passwords SET ExpireDate = '2008-12-28 00:00:00' WHERE Description = 'Bank';");
    QString date;
    int needed = 0, section = 0;
    modal.then<TfrmExpired>([&](TfrmExpired& d) {
        QTableView* grid = d.DBCtrlGridExpired;
        date = grid->model()->index(0, 0).data().toString();
        const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
        needed = grid->fontMetrics().horizontalAdvance(date) + margins;
        section = grid->columnWidth(0);
        d.reject();
    });
    main->mnuPasswordsExpiredClick();
    ASSERT_EQ(date.size(), 10);
    EXPECT_LE(needed, section) << date.toStdString();
}

TEST_F(ToolDialogTest, TheReminderFollowsAnUnlockUntilTheUserSaysNoMore)
{
    exec("UPDATE Passwords SET ExpireDate = '2026-01-01 00:00:00' WHERE Description = 'News';");
    main->mnuFileCloseDatabaseClick();
    QString count;
    bool remindShown = false, remindTicked = true;
    modal.then<TfrmEnterMasterPassword>([](TfrmEnterMasterPassword& d) {
        QTest::keyClicks(d.txtPassword, "secret1");
        QTest::keyClick(d.txtPassword, Qt::Key_Return); // the reminder comes up before this returns
    });
    modal.then<TfrmExpired>([&](TfrmExpired& d) {
        count = d.SB->text();
        remindShown = d.chkRemind->isVisible();
        remindTicked = d.chkRemind->isChecked();
        d.chkRemind->setChecked(true);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    main->ShowUnlockDialog();
    EXPECT_EQ(count, " 1 expired password");
    EXPECT_TRUE(remindShown);
    EXPECT_FALSE(remindTicked);
    EXPECT_TRUE(settings.readBool("ExpireOptions", "remind", false));

    main->mnuFileCloseDatabaseClick();
    unlock("secret1"); // no reminder now: a dialog would wait for a step that is not there
    EXPECT_TRUE(main->session().isOpen());

    main->DM().qryExpired.close();
    exec("UPDATE Passwords SET ExpireDate = NULL;");
    main->mnuPasswordsExpiredClick();
    EXPECT_EQ(messages.texts().last(), "No passwords have expired");
}

} // namespace
