#include "records/QueryTexts.h"
#include "settings/Error.h"
#include "store/SqlError.h"
#include "support/DataModuleFixture.h"

using namespace lw;
using lw::test::DataModuleTest;

namespace {

QStringList descriptions(Dataset& q)
{
    QStringList out;
    for (int r = 0; r < q.recordCount(); ++r)
        out << q.valueAt(r, "Description").toString();
    return out;
}

TEST(DataModuleCreate, AFirstArgumentBecomesTheConfiguredDatabase)
{
    test::TempDir dir;
    AliasStore alias(dir.path());
    test::FakeMessages messages;
    test::FakeRecordWindow window;
    EditFlags flags;
    TDM dm(alias, messages, window, flags);
    alias.SetDatabasePath("/data/old.pdb");
    dm.DMCreate({"lockwell", ""});
    dm.DMCreate({"lockwell"});
    EXPECT_EQ(alias.GetDatabasePath(), "/data/old.pdb");
    dm.DMCreate({"lockwell", "/data/new.pdb"});
    EXPECT_EQ(alias.GetDatabasePath(), "/data/new.pdb");
}

TEST_F(DataModuleTest, OpensOnTheRememberedGroupAndTheAccountListFollowsTheGroup)
{
    addAccounts("Email Accounts", {"work", "Home", "archive"});
    addAccounts("Misc Accounts", {"bank"});
    openModule();
    EXPECT_EQ(dm.qryGroups.value("Name").toString(), "Email Accounts");
    EXPECT_EQ(descriptions(dm.qryPasswords), (QStringList{"archive", "Home", "work"}));
    EXPECT_EQ(window.status, "3 items in Email Accounts");

    ASSERT_TRUE(dm.qryGroups.locate("Name", "Misc Accounts"));
    EXPECT_EQ(descriptions(dm.qryPasswords), QStringList{"bank"});
    EXPECT_EQ(window.status, "1 item in Misc Accounts");
    ASSERT_TRUE(dm.qryGroups.locate("Name", "Web Subscriptions"));
    EXPECT_TRUE(dm.qryPasswords.isEmpty());
    EXPECT_EQ(window.status, "0 items in Web Subscriptions");
    EXPECT_FALSE(window.controlsEnabled);
    EXPECT_FALSE(window.saveEnabled);
}

TEST_F(DataModuleTest, ANewAccountJoinsTheCurrentGroupAndGetsItsNumberOnPost)
{
    addAccounts("Misc Accounts", {"first"});
    openModule();
    dm.ChooseGroup("Misc Accounts");
    dm.qryPasswords.append();
    EXPECT_EQ(dm.qryPasswords.value("GroupID").toInt(), 3);
    EXPECT_FALSE(window.controlsEnabled) << "no description yet";
    dm.qryPasswords.setValue("Description", "second");
    dm.qryPasswords.post();
    EXPECT_EQ(dm.qryPasswords.value("PasswordID").toInt(), 2);
    EXPECT_EQ(stored("second", "GroupID").toInt(), 3);
    EXPECT_TRUE(window.controlsEnabled);
}

struct SaveCase {
    SaveAnswer answer;
    const char* storedUrl;
    const char* currentAfter;
    bool stillEditing;
};

class SaveQuestion : public DataModuleTest, public ::testing::WithParamInterface<SaveCase> { };

TEST_P(SaveQuestion, AnswersDecideWhatIsStoredAndWhetherTheMoveHappens)
{
    const SaveCase& c = GetParam();
    addAccounts("Email Accounts", {"a", "b"});
    openModule();
    flags.WarnBeforeSave = true;
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("URL", "https://example.org");
    EXPECT_TRUE(window.saveEnabled);
    messages.queueSave(c.answer);
    try {
        dm.qryPasswords.next();
    } catch (const SilentAbort&) {
        EXPECT_EQ(c.answer, SaveAnswer::Cancel);
    }
    EXPECT_EQ(messages.texts(), QStringList{"Save Changes to this account?"});
    EXPECT_EQ(stored("a", "URL").toString(), QString(c.storedUrl));
    EXPECT_EQ(dm.qryPasswords.value("Description").toString(), c.currentAfter);
    EXPECT_EQ(dm.qryPasswords.isEditing(), c.stillEditing);
    if (c.stillEditing) {
        EXPECT_EQ(dm.qryPasswords.value("URL").toString(), "https://example.org");
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestion,
                         ::testing::Values(SaveCase{SaveAnswer::Yes, "https://example.org", "b", false},
                                           SaveCase{SaveAnswer::No, "", "b", false},
                                           SaveCase{SaveAnswer::Cancel, "", "a", true}));

TEST_F(DataModuleTest, CancelInTheSaveQuestionStopsAGroupChange)
{
    addAccounts("Email Accounts", {"a"});
    openModule();
    flags.WarnBeforeSave = true;
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("ID", "me");
    messages.queueSave(SaveAnswer::Cancel);
    EXPECT_THROW(dm.qryGroups.locate("Name", "Misc Accounts"), SilentAbort);
    EXPECT_EQ(dm.qryGroups.value("Name").toString(), "Email Accounts");
    EXPECT_EQ(dm.qryPasswords.value("ID").toString(), "me");
}

TEST_F(DataModuleTest, StoresTheProgramMakesItselfNeverAsk)
{
    addAccounts("Email Accounts", {"a"});
    openModule();
    flags.WarnBeforeSave = true;
    dm.qryPasswords.append();
    dm.qryPasswords.setValue("Description", "new one");
    dm.qryPasswords.post();
    flags.SuppressSaveWarning = true;
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("Password", "pw");
    dm.qryPasswords.post();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(stored("new one", "Password").toString(), "pw");
}

TEST_F(DataModuleTest, DatesLoseTheirTimeOfDayAndNullDatesStayNull)
{
    addAccounts("Email Accounts", {"a"});
    openModule();
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("ExpireDate", QDateTime(QDate(2027, 2, 28), QTime(17, 45, 12)));
    dm.qryPasswords.post();
    EXPECT_EQ(stored("a", "ExpireDate").toString(), "2027-02-28 00:00:00");
    EXPECT_TRUE(stored("a", "AssignDate").isNull());
    EXPECT_EQ(dm.qryPasswords.value("ExpireDate").toDateTime(), QDateTime(QDate(2027, 2, 28), QTime(0, 0)));
}

TEST_F(DataModuleTest, TheDropDownShowsOneToTenRows)
{
    openModule();
    EXPECT_EQ(window.dropDownRows, 4);
    db->exec("DELETE FROM Groups;");
    dm.qryGroups.refresh();
    EXPECT_EQ(window.dropDownRows, 1);
    EXPECT_EQ(window.status, "0 items");
    for (int i = 0; i < 11; ++i)
        db->exec(QStringLiteral("INSERT INTO Groups (Name) VALUES ('g%1');").arg(i));
    dm.qryGroups.refresh();
    EXPECT_EQ(window.dropDownRows, 10);
}

TEST_F(DataModuleTest, TwelveAccountsCountInThePlural)
{
    QStringList many;
    for (int i = 0; i < 12; ++i)
        many << QStringLiteral("acct %1").arg(i);
    addAccounts("Email Accounts", many);
    openModule();
    EXPECT_EQ(window.status, "12 items in Email Accounts");
}

TEST_F(DataModuleTest, TheOptionsRowDrivesTheCurrentGroup)
{
    openModule();
    dm.ChooseGroup("web discussion BOARDS");
    EXPECT_EQ(dm.qryGroups.value("Name").toString(), "Web Discussion Boards");
    EXPECT_EQ(dm.qryOptions.state(), Dataset::State::Edit);
    dm.ChooseGroup("No Such Group");
    EXPECT_EQ(dm.qryGroups.value("Name").toString(), "Web Discussion Boards");
    dm.ChooseGroup("Misc Accounts");
    dm.SavePendingEdits();
    EXPECT_EQ(db->scalar("select [Group] from Options").toString(), "Misc Accounts");
    EXPECT_EQ(dm.qryOptions.state(), Dataset::State::Browse);
}

TEST_F(DataModuleTest, ANullCurrentGroupLeavesTheListWhereItIs)
{
    db->exec("UPDATE Options SET [Group] = NULL;");
    openModule();
    EXPECT_EQ(dm.qryGroups.value("Name").toString(), "Email Accounts"); // first by name
}

TEST_F(DataModuleTest, PendingEditsAreStoredButAnUnsavedNewAccountIsNot)
{
    addAccounts("Email Accounts", {"a"});
    openModule();
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("Notes", "remember");
    dm.SavePendingEdits();
    EXPECT_EQ(stored("a", "Notes").toString(), "remember");
    dm.qryPasswords.append();
    dm.qryPasswords.setValue("Description", "never stored");
    dm.SavePendingEdits();
    dm.CloseQueries();
    EXPECT_TRUE(stored("never stored", "GroupID").isNull());
}

TEST_F(DataModuleTest, ColumnsTheProgramNeverTouchesKeepTheirValues)
{
    addAccounts("Email Accounts", {"a"});
    db->exec("UPDATE Passwords SET KeySequence = 'tab tab enter', ShowAccount = 1;");
    openModule();
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("ID", "someone");
    dm.qryPasswords.post();
    EXPECT_EQ(stored("a", "KeySequence").toString(), "tab tab enter");
    EXPECT_EQ(stored("a", "ShowAccount").toInt(), 1);
    EXPECT_EQ(dm.qryPasswords.value("showaccount").toBool(), true);
}

TEST_F(DataModuleTest, TheExpiredListHoldsAccountsDueByTheClock)
{
    addAccounts("Email Accounts", {"old", "new"});
    addAccounts("Misc Accounts", {"older"});
    db->exec("UPDATE Passwords SET ExpireDate = '2026-12-01 00:00:00' WHERE Description = 'old';"
             "UPDATE Passwords SET ExpireDate = '2027-01-01 00:00:00' WHERE Description = 'new';"
             "UPDATE Passwords SET ExpireDate = '2025-06-30 00:00:00' WHERE Description = 'older';");
    openModule();
    clock.time = QDateTime(QDate(2026, 12, 11), QTime(8, 0));
    dm.qryExpired.open();
    EXPECT_EQ(descriptions(dm.qryExpired), (QStringList{"older", "old"}));
    EXPECT_EQ(DateText(dm.qryExpired.value("ExpireDate")), "06/30/2025");
    EXPECT_THROW(dm.qryExpired.edit(), Error);
}

struct FindCase {
    int where;
    const char* text;
    QStringList found;
};

class Find : public DataModuleTest, public ::testing::WithParamInterface<FindCase> { };

TEST_P(Find, BindsTheTypedTextAndKeepsItsWildcards)
{
    addAccounts("Email Accounts", {"Mail \"quoted\" box", "plain"});
    addAccounts("Misc Accounts", {"Locker 42"});
    addAccounts("Web Subscriptions", {"it's", "half% off", "snake_case", "[box"});
    db->exec("UPDATE Passwords SET Notes = 'pin 1234' WHERE Description = 'plain';");
    openModule();
    const FindCase& c = GetParam();
    dm.RunFind(c.where, c.text);
    QStringList found = descriptions(dm.qryFind);
    found.sort();
    EXPECT_EQ(found, c.found);
}

INSTANTIATE_TEST_SUITE_P(Texts, Find,
                         ::testing::Values(FindCase{0, "\"quoted\"", {"Mail \"quoted\" box"}},
                                           FindCase{0, "\") OR 1=1 OR (\"", {}}, FindCase{0, "misc", {"Locker 42"}},
                                           FindCase{0, "##", {"Locker 42", "plain"}},
                                           FindCase{1, "EMAIL", {"Mail \"quoted\" box", "plain"}},
                                           FindCase{2, "lock*2", {"Locker 42"}}, FindCase{6, "pin", {"plain"}},
                                           FindCase{4, "x", {}},
                                           // Pasted characters the typing filter would have kept out.
                                           FindCase{2, "'", {"it's"}}, FindCase{2, "%", {"half% off"}},
                                           FindCase{2, "_", {"snake_case"}}, FindCase{2, "[", {"[box"}}));

TEST_F(DataModuleTest, BadRequestsFailClearlyAndWriteNothing)
{
    addAccounts("Email Accounts", {"a"});
    openModule();
    EXPECT_THROW(dm.qryPasswords.locate("NoSuchField", 1), Error);
    dm.qryPasswords.edit();
    EXPECT_THROW(dm.qryPasswords.setValue("Description", QString(101, u'd')), Error);
    EXPECT_EQ(dm.qryPasswords.value("Description").toString(), "a");
    dm.qryPasswords.cancel();

    dm.CloseQueries();
    db->exec("ALTER TABLE Groups RENAME TO Renamed;");
    dm.qryGroups.setConnection(db.get());
    try {
        dm.qryGroups.open();
        FAIL() << "opened a query over a missing table";
    } catch (const SqlError& e) {
        EXPECT_TRUE(e.message().contains("no such table")) << e.what();
    }
    EXPECT_FALSE(dm.qryGroups.isOpen());
}

TEST_F(DataModuleTest, AnEmptiedDescriptionIsStoredAsNull)
{
    addAccounts("Email Accounts", {"a"});
    openModule();
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("Description", "");
    dm.qryPasswords.setValue("ID", "");
    dm.qryPasswords.post();
    EXPECT_TRUE(db->scalar("select Description from Passwords").isNull());
    EXPECT_EQ(db->scalar("select ID from Passwords").toString(), "");
    EXPECT_FALSE(db->scalar("select ID from Passwords").isNull());
}

} // namespace

namespace {

TEST_F(DataModuleTest, TheAccountListRunsAgainOnlyWhenTheGroupChanges)
{
    addAccounts("Email Accounts", {"work"});
    addAccounts("Misc Accounts", {"bank"});
    openModule();
    int runs = 0;
    QObject::connect(&dm.qryPasswords, &Dataset::aboutToReload, [&runs] { ++runs; });

    dm.qryGroups.edit(); // a renamed group keeps its accounts
    dm.qryGroups.setValue("Name", "Mail");
    dm.qryGroups.post();
    dm.qryGroups.refresh();
    dm.qryOptions.edit(); // the options row names the group it already stands on
    dm.qryOptions.setValue("Group", "mail");
    dm.qryOptions.post();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(descriptions(dm.qryPasswords), QStringList{"work"});

    dm.ChooseGroup("Misc Accounts");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(descriptions(dm.qryPasswords), QStringList{"bank"});
}

TEST_F(DataModuleTest, ACancelledGroupChoiceLeavesGroupListAndOptionsRowAsTheyWere)
{
    addAccounts("Email Accounts", {"work"});
    openModule();
    flags.WarnBeforeSave = true;
    dm.qryPasswords.edit();
    dm.qryPasswords.setValue("ID", "someone");
    messages.queueSave(SaveAnswer::Cancel);

    EXPECT_THROW(dm.ChooseGroup("Misc Accounts"), SilentAbort);
    EXPECT_EQ(dm.qryGroups.value("Name").toString(), "Email Accounts");
    EXPECT_EQ(dm.qryOptions.value("Group").toString(), "Email Accounts");
    EXPECT_EQ(descriptions(dm.qryPasswords), QStringList{"work"});
    EXPECT_EQ(dm.qryPasswords.value("ID").toString(), "someone");
    EXPECT_TRUE(dm.qryPasswords.isEditing());
    dm.qryPasswords.cancel();
}

} // namespace
