#include "MainWindowFixture.h"
#include "WhenModal.h"

#include "store/Connection.h"
#include "ui/dialogs/TfrmEditDescription.h"
#include "ui/dialogs/TfrmEditGroup.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/NameEdit.h"
#include "ui/widgets/PictureButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class AccountCommandsTest : public MainWindowTest {
protected:
    Dataset& accounts() { return main->DM().qryPasswords; }
    QString current() { return accounts().value("Description").toString(); }
    QStringList listed()
    {
        QStringList out;
        for (int r = 0; r < accounts().recordCount(); ++r)
            out << accounts().valueAt(r, "Description").toString();
        return out;
    }
    QVariant scalar(const QString& sql) { return main->session().connection().scalar(sql); }

    // Passwords > Add with the description typed and OK pressed.
    void add(const QString& keys)
    {
        modal.then<TfrmEditDescription>([keys](TfrmEditDescription& d) {
            QTest::keyClicks(d.txtDescription, keys);
            d.cmdOK->click();
            if (d.isVisible()) // refused: the test fails on what it finds instead of waiting here
                d.reject();
        });
        main->mnuPasswordsAddClick();
    }
    void select(const QString& description) { ASSERT_TRUE(accounts().locate("Description", description)); }
    // Opens the grid's popup menu as a right click does, and closes it again.
    void openPopup()
    {
        main->ui().PopupMenuGrid->popup(main->mapToGlobal(QPoint(20, 20)));
        main->ui().PopupMenuGrid->hide();
    }
    QAction* popupItem(const char* name) { return main->ui().PopupMenuGrid->findChild<QAction*>(name); }
};

TEST_F(AccountCommandsTest, AddingToAGroupOfTwoMakesTheNewAccountCurrentDatedTodayWithTheFocusInID)
{
    createDatabase("x.pdb", "secret1");
    add("club");
    add("bank");
    QString caption, startText;
    modal.then<TfrmEditDescription>([&](TfrmEditDescription& d) {
        caption = d.windowTitle();
        startText = d.txtDescription->text();
        QTest::keyClicks(d.txtDescription, "bills");
        QTest::keyClick(d.txtDescription, Qt::Key_Return);
    });
    main->ui().cmdAdd->click();

    auto& u = main->ui();
    EXPECT_EQ(caption, " New Password - Add Description");
    EXPECT_EQ(startText, "");
    EXPECT_EQ(listed(), (QStringList{"Bank", "Bills", "Club"}));
    EXPECT_EQ(current(), "Bills");
    EXPECT_EQ(u.GridDescription->currentIndex().row(), 1);
    EXPECT_EQ(accounts().value("AssignDate").toDateTime(), QDateTime(QDate(2026, 12, 11), QTime(0, 0)));
    for (const char* empty : {"ID", "Password", "URL", "Notes", "ExpireDate"})
        EXPECT_TRUE(accounts().isNull(empty)) << empty;
    EXPECT_EQ(accounts().value("GroupID"), main->DM().qryGroups.value("GroupID"));
    EXPECT_EQ(scalar("select AssignDate from passwords where Description = 'Bills'").toString(), "2026-12-11 00:00:00");
    EXPECT_EQ(u.SB->text(), "3 items in Email Accounts");
    EXPECT_TRUE(u.txtID->isEnabled());
    EXPECT_EQ(main->focusWidget(), u.txtID);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(AccountCommandsTest, TwoAccountsMayShareADescriptionAndABlankOneIsRefused)
{
    createDatabase("x.pdb", "secret1");
    add("bank");
    bool stillOpen = false;
    QString textAfter;
    modal.then<TfrmEditDescription>([&](TfrmEditDescription& d) {
        QTest::keyClicks(d.txtDescription, "  ");
        d.cmdOK->click();
        stillOpen = d.isVisible();
        textAfter = d.txtDescription->text();
        QTest::keyClicks(d.txtDescription, "bank");
        d.cmdOK->click();
    });
    main->mnuPasswordsAddClick();
    EXPECT_EQ(messages.texts(), QStringList{"Please enter a description!"});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(textAfter, "  ");
    EXPECT_EQ(listed(), (QStringList{"Bank", "Bank"})); // stored trimmed
    EXPECT_EQ(main->ui().SB->text(), "2 items in Email Accounts");
}

TEST_F(AccountCommandsTest, AddingWithoutAGroupAsksForAGroupFirst)
{
    createDatabase("x.pdb", "secret1", false);
    QString caption;
    modal.then<TfrmEditGroup>([&](TfrmEditGroup& d) {
        caption = d.windowTitle();
        d.cmdCancel->click();
    });
    {
        test::WhenModal<TfrmEditDescription> never([](TfrmEditDescription* d) { d->reject(); });
        main->mnuPasswordsAddClick();
        QApplication::processEvents();
        EXPECT_FALSE(never.ran());
    }
    EXPECT_EQ(messages.texts(), QStringList{"Please enter a group name before entering a password!"});
    EXPECT_EQ(caption, " New Group");
    EXPECT_EQ(scalar("select count(*) from passwords").toInt(), 0);
    EXPECT_EQ(main->ui().SB->text(), "0 items");
}

TEST_F(AccountCommandsTest, EditingTheDescriptionStoresPendingChangesWithoutTheSaveQuestion)
{
    createDatabase("x.pdb", "secret1");
    add("bank");
    add("club");
    main->flags().WarnBeforeSave = true;
    select("Bank");
    auto& u = main->ui();
    u.MemoNotes->insertPlainText("pin 1234"); // as a paste does
    ASSERT_EQ(accounts().state(), Dataset::State::Edit);

    QString caption, startText;
    bool selectionMarked = false;
    modal.then<TfrmEditDescription>([&](TfrmEditDescription& d) {
        caption = d.windowTitle();
        startText = d.txtDescription->text();
        const QPalette p = u.GridDescription->palette();
        selectionMarked =
            p.color(QPalette::Inactive, QPalette::Highlight) == p.color(QPalette::Active, QPalette::Highlight);
        d.txtDescription->selectAll();
        QTest::keyClicks(d.txtDescription, "savings bank");
        QTest::keyClick(d.txtDescription, Qt::Key_Enter);
    });
    u.cmdEdit->click();

    EXPECT_EQ(caption, " Edit Description");
    EXPECT_EQ(startText, "Bank");
    EXPECT_TRUE(selectionMarked);
    EXPECT_TRUE(messages.boxes.empty()); // an unexpected save question would fail here
    EXPECT_EQ(accounts().state(), Dataset::State::Browse);
    EXPECT_EQ(current(), "Savings Bank");
    EXPECT_EQ(listed(), (QStringList{"Savings Bank", "Club"})); // keeps its place until the list runs again
    EXPECT_EQ(scalar("select Notes from passwords where Description = 'Savings Bank'").toString(), "pin 1234");
    EXPECT_FALSE(main->flags().SuppressSaveWarning);
    EXPECT_EQ(u.GridDescription->palette(), QPalette(main->ui().GridDescription->palette()));
}

TEST_F(AccountCommandsTest, CancelAndEscapeLeaveTheDescription)
{
    createDatabase("x.pdb", "secret1");
    add("bank");
    modal.then<TfrmEditDescription>([](TfrmEditDescription& d) {
        QTest::keyClicks(d.txtDescription, "x");
        QTest::keyClick(d.txtDescription, Qt::Key_Escape);
    });
    main->mnuPasswordsEditDescriptionClick();
    modal.then<TfrmEditDescription>([](TfrmEditDescription& d) {
        QTest::keyClicks(d.txtDescription, "y");
        d.cmdCancel->click();
    });
    main->mnuPasswordsEditDescriptionClick();
    EXPECT_EQ(listed(), QStringList{"Bank"});
    EXPECT_EQ(accounts().state(), Dataset::State::Browse);
}

TEST_F(AccountCommandsTest, DeletingAsksFirstAndTheLastAccountLeavesAnEmptyGroup)
{
    createDatabase("x.pdb", "secret1");
    add("bank");
    auto& u = main->ui();
    messages.queueAnswer(false);
    u.GridDescription->setFocus();
    QTest::keyClick(u.GridDescription, Qt::Key_Delete);
    EXPECT_EQ(messages.texts(), QStringList{"Are you sure you want to delete the password account \"Bank\" ?"});
    EXPECT_EQ(listed(), QStringList{"Bank"});
    EXPECT_EQ(u.SB->text(), "1 item in Email Accounts");

    messages.queueAnswer(true);
    u.cmdDelete->click();
    EXPECT_EQ(listed(), QStringList{});
    EXPECT_EQ(scalar("select count(*) from passwords").toInt(), 0);
    EXPECT_EQ(u.SB->text(), "0 items in Email Accounts");
    EXPECT_FALSE(u.txtID->isEnabled());
    EXPECT_FALSE(u.MemoNotes->isEnabled());

    // Nothing left to delete or edit: no question, no dialog.
    test::WhenModal<TfrmEditDescription> never([](TfrmEditDescription* d) { d->reject(); });
    main->mnuPasswordsDeleteClick();
    main->mnuPasswordsEditDescriptionClick();
    QApplication::processEvents();
    EXPECT_FALSE(never.ran());
    EXPECT_EQ(messages.boxes.size(), 2u);
}

TEST_F(AccountCommandsTest, DeletingTheMiddleAccountMakesTheNextOneCurrent)
{
    createDatabase("x.pdb", "secret1");
    for (const char* d : {"alpha", "beta", "gamma"})
        add(d);
    select("Beta");
    messages.queueAnswer(true);
    main->mnuPasswordsDeleteClick();
    EXPECT_EQ(listed(), (QStringList{"Alpha", "Gamma"}));
    EXPECT_EQ(current(), "Gamma");
    EXPECT_EQ(main->ui().GridDescription->currentIndex().row(), 1);
    EXPECT_EQ(main->ui().SB->text(), "2 items in Email Accounts");
}

TEST_F(AccountCommandsTest, EnterInTheGridEditsTheDescription)
{
    createDatabase("x.pdb", "secret1");
    add("bank");
    QString caption;
    modal.then<TfrmEditDescription>([&](TfrmEditDescription& d) {
        caption = d.windowTitle();
        d.reject();
    });
    main->ui().GridDescription->setFocus();
    QTest::keyClick(main->ui().GridDescription, Qt::Key_Return);
    EXPECT_EQ(caption, " Edit Description");
}

TEST_F(AccountCommandsTest, TypingACharacterSelectsTheFirstDescriptionStartingWithIt)
{
    settings.writeBool("Options", "autocase", false);
    createDatabase("x.pdb", "secret1");
    for (const char* d : {"Club", "bills", "Bank"})
        add(d);
    ASSERT_EQ(listed(), (QStringList{"Bank", "bills", "Club"}));
    QListView* grid = main->ui().GridDescription;
    grid->setFocus();
    struct Step {
        char key;
        const char* current;
    };
    // "i" right after "b" must not join it into "bi": each character is a search of its own.
    for (const Step& s : {Step{'b', "Bank"}, Step{'B', "Bank"}, Step{'c', "Club"}, Step{'x', "Club"}, Step{'b', "Bank"},
                          Step{'i', "Bank"}, Step{'C', "Club"}}) {
        QTest::keyClick(grid, s.key);
        EXPECT_EQ(current(), s.current) << "after " << s.key;
        EXPECT_EQ(grid->currentIndex().row(), accounts().currentRow()) << "after " << s.key;
    }
}

struct SaveCase {
    const char* name;
    bool fromGrid; // moving down in the grid, or the save button
    SaveAnswer answer;
    const char* currentAfter;
    QString storedURL;
    Dataset::State stateAfter;
};

void PrintTo(const SaveCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaveQuestionTest : public AccountCommandsTest, public ::testing::WithParamInterface<SaveCase> { };

TEST_P(SaveQuestionTest, TheAnswerDecidesWhatIsStoredAndWhereTheListStands)
{
    const SaveCase& c = GetParam();
    createDatabase("x.pdb", "secret1");
    add("bank");
    add("club");
    select("Bank");
    main->flags().WarnBeforeSave = true;
    auto& u = main->ui();
    QTest::keyClicks(u.txtURL, "x.org");
    ASSERT_EQ(accounts().state(), Dataset::State::Edit);
    ASSERT_TRUE(u.cmdSaveMemo->isEnabled());

    messages.queueSave(c.answer);
    if (c.fromGrid) {
        u.GridDescription->setFocus();
        QTest::keyClick(u.GridDescription, Qt::Key_Down);
    } else {
        u.cmdSaveMemo->click();
    }
    EXPECT_EQ(messages.texts(), QStringList{"Save Changes to this account?"});
    EXPECT_EQ(current(), c.currentAfter);
    EXPECT_EQ(u.GridDescription->currentIndex().row(), accounts().currentRow());
    EXPECT_EQ(scalar("select URL from passwords where Description = 'Bank'").toString(), c.storedURL);
    EXPECT_EQ(accounts().state(), c.stateAfter);
    if (c.stateAfter == Dataset::State::Edit) {
        EXPECT_EQ(accounts().value("URL").toString(), "x.org");
    }
    EXPECT_EQ(u.cmdSaveMemo->isEnabled(), c.stateAfter == Dataset::State::Edit);
    accounts().cancel(); // closing the database would ask again
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveQuestionTest,
    ::testing::Values(SaveCase{"GridYes", true, SaveAnswer::Yes, "Club", "x.org", Dataset::State::Browse},
                      SaveCase{"GridNo", true, SaveAnswer::No, "Club", "", Dataset::State::Browse},
                      SaveCase{"GridCancel", true, SaveAnswer::Cancel, "Bank", "", Dataset::State::Edit},
                      SaveCase{"ButtonYes", false, SaveAnswer::Yes, "Bank", "x.org", Dataset::State::Browse},
                      SaveCase{"ButtonNo", false, SaveAnswer::No, "Bank", "", Dataset::State::Browse},
                      SaveCase{"ButtonCancel", false, SaveAnswer::Cancel, "Bank", "", Dataset::State::Edit}),
    [](const ::testing::TestParamInfo<SaveCase>& testInfo) { return std::string(testInfo.param.name); });

TEST_F(AccountCommandsTest, TransferMovesTheAccountToTheChosenGroupWithoutTheSaveQuestion)
{
    createDatabase("x.pdb", "secret1");
    add("bank");
    add("club");
    select("Bank");
    main->flags().WarnBeforeSave = true;
    auto& u = main->ui();
    QTest::keyClicks(u.txtURL, "bank.example");

    openPopup();
    QStringList captions, names;
    QList<int> tags;
    for (QAction* a : u.mnuTransfer->actions()) {
        captions << a->text();
        names << a->objectName();
        tags << a->data().toInt();
    }
    EXPECT_EQ(captions, (QStringList{"Email Accounts", "Misc Accounts", "Web Discussion Boards", "Web Subscriptions"}));
    EXPECT_EQ(names, (QStringList{"mnuTransfer0", "mnuTransfer1", "mnuTransfer2", "mnuTransfer3"}));
    ASSERT_EQ(tags.size(), 4);
    EXPECT_EQ(tags[1], scalar("select GroupID from groups where Name = 'Misc Accounts'").toInt());

    u.mnuTransfer->actions().at(1)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(main->flags().SuppressSaveWarning);
    EXPECT_EQ(listed(), QStringList{"Club"});
    EXPECT_EQ(current(), "Club");
    EXPECT_EQ(u.SB->text(), "1 item in Email Accounts");
    EXPECT_EQ(scalar("select URL from passwords where Description = 'Bank'").toString(), "bank.example");

    emit u.cboGroup->activated(u.cboGroup->findText("Misc Accounts"));
    EXPECT_EQ(listed(), QStringList{"Bank"});
    EXPECT_EQ(u.SB->text(), "1 item in Misc Accounts");

    // To its own group: stored unchanged, and it stays.
    openPopup();
    u.mnuTransfer->actions().at(1)->trigger();
    EXPECT_EQ(listed(), QStringList{"Bank"});
    EXPECT_EQ(u.SB->text(), "1 item in Misc Accounts");
}

TEST_F(AccountCommandsTest, ThePopupMenuIsBuiltAfreshAndNeedsAnAccountForAllButAdd)
{
    createDatabase("x.pdb", "secret1");
    auto& u = main->ui();
    QAction* transfer = u.mnuTransfer->menuAction();
    QAction* addItem = popupItem("mnuPUGridAddPassword");
    QAction* editItem = popupItem("mnuPUGridEditPassword");
    QAction* deleteItem = popupItem("mnuPUGridDeletePassword");
    ASSERT_TRUE(addItem && editItem && deleteItem);
    EXPECT_EQ(transfer->objectName(), "mnuPopupMenuGridTransfer");

    openPopup(); // the group has no accounts
    EXPECT_TRUE(addItem->isEnabled());
    EXPECT_FALSE(editItem->isEnabled());
    EXPECT_FALSE(deleteItem->isEnabled());
    EXPECT_FALSE(transfer->isEnabled());

    add("bank");
    openPopup();
    EXPECT_TRUE(editItem->isEnabled());
    EXPECT_TRUE(deleteItem->isEnabled());
    EXPECT_TRUE(transfer->isEnabled());
    EXPECT_EQ(u.mnuTransfer->actions().size(), 4);

    modal.then<TfrmEditGroup>([](TfrmEditGroup& d) {
        QTest::keyClicks(d.txtGroup, "bills");
        d.cmdOK->click();
    });
    main->mnuGroupsNewClick();
    emit u.cboGroup->activated(u.cboGroup->findText("Email Accounts"));
    openPopup();
    QStringList captions;
    for (QAction* a : u.mnuTransfer->actions())
        captions << a->text();
    EXPECT_EQ(captions,
              (QStringList{"Bills", "Email Accounts", "Misc Accounts", "Web Discussion Boards", "Web Subscriptions"}));
    EXPECT_EQ(u.mnuTransfer->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly).size(),
              5 + 1); // the submenu's own action aside, only the items of this opening are left

    // The Add item of the popup runs Passwords > Add.
    QString caption;
    modal.then<TfrmEditDescription>([&](TfrmEditDescription& d) {
        caption = d.windowTitle();
        d.reject();
    });
    addItem->trigger();
    EXPECT_EQ(caption, " New Password - Add Description");
}

} // namespace
