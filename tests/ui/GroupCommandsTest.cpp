#include "MainWindowFixture.h"
#include "WhenModal.h"

#include "store/Connection.h"
#include "ui/dialogs/TfrmEditGroup.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/NameEdit.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class GroupCommandsTest : public MainWindowTest {
protected:
    QStringList groupNames()
    {
        QStringList names;
        Dataset& g = main->DM().qryGroups;
        for (int r = 0; r < g.recordCount(); ++r)
            names << g.valueAt(r, "Name").toString();
        return names;
    }
    QVariant scalar(const QString& sql) { return main->session().connection().scalar(sql); }
    QString storedCurrentGroup() { return scalar("select [Group] from options").toString(); }

    // Types a name into the group dialog opened by the command and presses Enter.
    void typeGroup(void (TfrmMain::*command)(), const QString& keys)
    {
        modal.then<TfrmEditGroup>([keys](TfrmEditGroup& d) {
            d.txtGroup->clear();
            QTest::keyClicks(d.txtGroup, keys);
            QTest::keyClick(d.txtGroup, Qt::Key_Return);
            if (d.isVisible())
                d.reject();
        });
        (main.get()->*command)();
    }
};

TEST_F(GroupCommandsTest, ANewGroupBecomesCurrentEmptyAndTakesItsPlaceInNameOrder)
{
    createDatabase("x.pdb", "secret1");
    QString caption, startText;
    modal.then<TfrmEditGroup>([&](TfrmEditGroup& d) {
        caption = d.windowTitle();
        startText = d.txtGroup->text();
        QTest::keyClicks(d.txtGroup, "family bills");
        d.cmdOK->click();
        if (d.isVisible())
            d.reject();
    });
    main->ui().cmdAddGroup->click();

    auto& u = main->ui();
    EXPECT_EQ(caption, " New Group");
    EXPECT_EQ(startText, "");
    EXPECT_EQ(groupNames(), (QStringList{"Email Accounts", "Family Bills", "Misc Accounts", "Web Discussion Boards",
                                         "Web Subscriptions"}));
    EXPECT_EQ(main->DM().qryGroups.value("Name").toString(), "Family Bills");
    EXPECT_EQ(u.cboGroup->currentText(), "Family Bills");
    EXPECT_EQ(main->DM().qryPasswords.recordCount(), 0);
    EXPECT_EQ(u.SB->text(), "0 items in Family Bills");
    EXPECT_FALSE(u.txtID->isEnabled());
    EXPECT_EQ(storedCurrentGroup(), "Family Bills");
    EXPECT_EQ(main->DM().qryOptions.state(), Dataset::State::Browse);
    EXPECT_EQ(main->focusWidget(), u.cboGroup);
}

struct Refusal {
    const char* name;
    bool autoCase;
    QString keys;
    QString message;
};

void PrintTo(const Refusal& c, std::ostream* os)
{
    *os << c.name;
}

class GroupRefusalTest : public GroupCommandsTest, public ::testing::WithParamInterface<Refusal> { };

TEST_P(GroupRefusalTest, TheDialogStaysOpenWithItsTextAndTheFocusInTheName)
{
    const Refusal& r = GetParam();
    settings.writeBool("Options", "autocase", r.autoCase);
    createDatabase("x.pdb", "secret1");
    QString textAfter;
    bool stillOpen = false, focusInName = false;
    modal.then<TfrmEditGroup>([&](TfrmEditGroup& d) {
        QTest::keyClicks(d.txtGroup, r.keys);
        d.cmdOK->click();
        textAfter = d.txtGroup->text();
        stillOpen = d.isVisible();
        focusInName = d.focusWidget() == d.txtGroup;
        d.cmdCancel->click();
    });
    main->mnuGroupsNewClick();
    EXPECT_EQ(messages.texts(), QStringList{r.message});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(textAfter, r.keys);
    EXPECT_TRUE(focusInName);
    EXPECT_EQ(groupNames().size(), 4);
}

INSTANTIATE_TEST_SUITE_P(Cases, GroupRefusalTest,
                         ::testing::Values(Refusal{"OnlyBlanks", true, "   ", "Please enter a group name!"},
                                           Refusal{"SameNameOtherCase", false, "email accounts",
                                                   "Sorry, there is already a group with that name."},
                                           Refusal{"SameNameAllCapitals", false, "MISC ACCOUNTS",
                                                   "Sorry, there is already a group with that name."},
                                           Refusal{"SameNameWithBlanksAround", true, "  Web Subscriptions ",
                                                   "Sorry, there is already a group with that name."}),
                         [](const ::testing::TestParamInfo<Refusal>& testInfo) {
                             return std::string(testInfo.param.name);
                         });

TEST_F(GroupCommandsTest, RenamingToOtherLetterCaseIsAcceptedButAnotherGroupsNameIsNot)
{
    settings.writeBool("Options", "autocase", false);
    createDatabase("x.pdb", "secret1");
    auto& u = main->ui();
    QString caption, startText;
    modal.then<TfrmEditGroup>([&](TfrmEditGroup& d) {
        caption = d.windowTitle();
        startText = d.txtGroup->text();
        d.txtGroup->selectAll();
        QTest::keyClicks(d.txtGroup, "misc accounts");
        d.cmdOK->click(); // refused: another group's name
        d.txtGroup->selectAll();
        QTest::keyClicks(d.txtGroup, "EMAIL accounts");
        QTest::keyClick(d.txtGroup, Qt::Key_Return);
        if (d.isVisible())
            d.reject();
    });
    main->ui().cmdEditGroup->click();

    EXPECT_EQ(caption, " Edit Group");
    EXPECT_EQ(startText, "Email Accounts");
    EXPECT_EQ(messages.texts(), QStringList{"Sorry, there is already a group with that name."});
    EXPECT_EQ(scalar("select count(*) from groups where Name = 'EMAIL accounts' COLLATE BINARY").toInt(), 1);
    EXPECT_EQ(groupNames().first(), "EMAIL accounts"); // keeps its place until the list runs again
    EXPECT_EQ(u.cboGroup->currentText(), "EMAIL accounts");
    EXPECT_EQ(storedCurrentGroup(), "EMAIL accounts");
    EXPECT_EQ(u.SB->text(), "0 items in EMAIL accounts");
}

TEST_F(GroupCommandsTest, AQuoteInAPastedNameIsOnlyPartOfTheName)
{
    createDatabase("x.pdb", "secret1");
    // Pasted between double quotes into the query, this name would match every group.
    const QString tricky = "Misc\" OR Name <> \"";
    QApplication::clipboard()->setText(tricky);
    modal.then<TfrmEditGroup>([](TfrmEditGroup& d) {
        d.txtGroup->paste();
        d.cmdOK->click();
        if (d.isVisible()) // refused: the test fails below instead of waiting here
            d.reject();
    });
    main->mnuGroupsNewClick();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(main->DM().qryGroups.value("Name").toString(), tricky);
    EXPECT_EQ(main->ui().cboGroup->currentText(), tricky);

    // The same pasted name is found by the check, in other letter case too.
    QApplication::clipboard()->setText(tricky.toUpper());
    modal.then<TfrmEditGroup>([](TfrmEditGroup& d) {
        d.txtGroup->paste();
        d.cmdOK->click();
        d.reject();
    });
    main->mnuGroupsNewClick();
    EXPECT_EQ(messages.texts(), QStringList{"Sorry, there is already a group with that name."});
    EXPECT_EQ(groupNames().size(), 5);
}

TEST_F(GroupCommandsTest, CancelAndEscapeStoreNothing)
{
    createDatabase("x.pdb", "secret1");
    modal.then<TfrmEditGroup>([](TfrmEditGroup& d) {
        QTest::keyClicks(d.txtGroup, "one");
        QTest::keyClick(d.txtGroup, Qt::Key_Escape);
    });
    main->mnuGroupsNewClick();
    modal.then<TfrmEditGroup>([](TfrmEditGroup& d) {
        QTest::keyClicks(d.txtGroup, "two");
        d.cmdOK->setFocus();
        QTest::keyClick(d.cmdOK, Qt::Key_Escape);
    });
    main->mnuGroupsEditClick();
    modal.then<TfrmEditGroup>([](TfrmEditGroup& d) {
        QTest::keyClicks(d.txtGroup, "three");
        d.cmdCancel->click();
    });
    main->mnuGroupsNewClick();
    EXPECT_EQ(groupNames(),
              (QStringList{"Email Accounts", "Misc Accounts", "Web Discussion Boards", "Web Subscriptions"}));
    EXPECT_EQ(scalar("select count(*) from groups").toInt(), 4);
}

TEST_F(GroupCommandsTest, WithoutADatabaseOrAGroupTheCommandsDoNothing)
{
    auto neverOpens = [](TfrmEditGroup* d) { d->reject(); };
    {
        test::WhenModal<TfrmEditGroup> close(neverOpens);
        main->mnuGroupsNewClick();
        main->mnuGroupsEditClick();
        main->mnuGroupsDeleteClick();
        QApplication::processEvents();
        EXPECT_FALSE(close.ran());
    }
    createDatabase("x.pdb", "secret1", false);
    {
        test::WhenModal<TfrmEditGroup> close(neverOpens);
        main->mnuGroupsEditClick();
        main->mnuGroupsDeleteClick(); // no question either: FakeMessages fails an unexpected one
        QApplication::processEvents();
        EXPECT_FALSE(close.ran());
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(GroupCommandsTest, DeletingAGroupAsksFirstAndTheListMovesToItsNeighbour)
{
    createDatabase("x.pdb", "secret1");
    auto& u = main->ui();
    main->DM().ChooseGroup("Misc Accounts"); // as the combo does: the options row stays in edit state
    ASSERT_EQ(main->DM().qryOptions.state(), Dataset::State::Edit);

    messages.queueAnswer(false);
    u.cmdDelGroup->click();
    EXPECT_EQ(messages.texts(), QStringList{"Are you sure you want to delete the group \"Misc Accounts\"?\r\n"
                                            "All passwords in this group will also be deleted!"});
    EXPECT_EQ(groupNames().size(), 4);
    EXPECT_EQ(main->DM().qryOptions.state(), Dataset::State::Browse); // stored again, same name
    EXPECT_EQ(storedCurrentGroup(), "Misc Accounts");

    messages.queueAnswer(true);
    main->mnuGroupsDeleteClick();
    EXPECT_EQ(groupNames(), (QStringList{"Email Accounts", "Web Discussion Boards", "Web Subscriptions"}));
    EXPECT_EQ(u.cboGroup->currentText(), "Web Discussion Boards");
    EXPECT_EQ(storedCurrentGroup(), "Web Discussion Boards");
    EXPECT_EQ(u.SB->text(), "0 items in Web Discussion Boards");

    main->DM().ChooseGroup("Web Subscriptions"); // the last one: the list falls back on the one before
    messages.queueAnswer(true);
    main->mnuGroupsDeleteClick();
    EXPECT_EQ(u.cboGroup->currentText(), "Web Discussion Boards");
    EXPECT_EQ(storedCurrentGroup(), "Web Discussion Boards");
}

TEST_F(GroupCommandsTest, DeletingTheOnlyGroupTakesItsAccountsAndEmptiesTheCombo)
{
    createDatabase("x.pdb", "secret1", false);
    typeGroup(&TfrmMain::mnuGroupsNewClick, "solo");
    Dataset& accounts = main->DM().qryPasswords;
    for (const char* description : {"Bank", "Club"}) {
        accounts.append();
        accounts.setValue("Description", description);
        accounts.post();
    }
    ASSERT_EQ(scalar("select count(*) from passwords").toInt(), 2);

    messages.queueAnswer(true);
    main->mnuGroupsDeleteClick();
    auto& u = main->ui();
    EXPECT_EQ(messages.texts().last(), "Are you sure you want to delete the group \"Solo\"?\r\n"
                                       "All passwords in this group will also be deleted!");
    EXPECT_EQ(u.cboGroup->currentIndex(), -1);
    EXPECT_EQ(u.cboGroup->currentText(), "");
    EXPECT_EQ(u.SB->text(), "0 items");
    EXPECT_EQ(scalar("select count(*) from groups").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from passwords").toInt(), 0);
    EXPECT_EQ(accounts.recordCount(), 0);
}

} // namespace
