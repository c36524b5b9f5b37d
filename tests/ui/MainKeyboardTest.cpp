// The main window under the keyboard: F4 from any control, menu access keys
// from every field, dates typed into the date edits, and every way of closing
// the window ending the program.
#include "MainWindowFixture.h"

#include "store/Connection.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/NullableDateEdit.h"
#include "ui/widgets/PictureButton.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class MainKeyboard : public MainWindowTest {
protected:
    void openWithAnAccount()
    {
        createDatabase("work.pdb", "secret1");
        main->session().connection().exec(
            "INSERT INTO Passwords (GroupID, Description, ID, Password) VALUES (1, 'mail', 'me', 'pw1');");
        main->DM().qryGroups.refresh();
        main->DM().qryPasswords.refresh();
        activate();
    }
    void activate()
    {
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    bool hidden() const { return !main->isVisible() || main->isMinimized(); }
};

TEST_F(MainKeyboard, F4HidesTheWindowFromTheGroupBoxInsteadOfOpeningItsList)
{
    openWithAnAccount();
    QComboBox* groups = main->ui().cboGroup;
    groups->setFocus();
    QTest::keyClick(groups, Qt::Key_F4);
    EXPECT_FALSE(groups->view()->isVisible()) << "the list opened";
    EXPECT_TRUE(hidden());
}

TEST_F(MainKeyboard, F4WithModifiersHidesTheWindowWithNoControlFocused)
{
    activate();
    if (QWidget* f = QApplication::focusWidget())
        f->clearFocus();
    QTest::keyClick(main.get(), Qt::Key_F4, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(hidden());
}

TEST_F(MainKeyboard, MenuAccessKeysReachTheMenusFromEveryField)
{
    openWithAnAccount();
    auto& u = main->ui();
    for (QWidget* field :
         std::initializer_list<QWidget*>{u.cboGroup, u.GridDescription, u.txtID, u.txtPassword, u.DateExpire->editor(),
                                         u.DateAssign->editor(), u.txtURL, u.MemoNotes}) {
        field->setFocus();
        QWidget* typedInto = QApplication::focusWidget();
        QTest::keyClick(typedInto, Qt::Key_F, Qt::AltModifier);
        const bool menuOpened = u.mnuFile->isVisible();
        u.mnuFile->close();
        EXPECT_TRUE(menuOpened) << field->metaObject()->className();
    }
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Browse) << "nothing was typed";
}

TEST_F(MainKeyboard, ADateTypedAfterTabFromThePasswordIsStoredAndShownInFull)
{
    openWithAnAccount();
    auto& u = main->ui();
    u.txtPassword->setFocus();
    QWidget* at = u.txtPassword;
    for (int i = 0; i < 3 && !u.DateExpire->isAncestorOf(at); ++i) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    }
    ASSERT_TRUE(u.DateExpire->isAncestorOf(at)) << "Tab does not reach Date Expires";
    EXPECT_EQ(u.DateExpire->editor()->text(), " ") << "a blank date stays blank on the way in";
    QTest::keyClicks(at, "12/31/2020");
    QTest::keyClick(at, Qt::Key_Tab);
    EXPECT_EQ(main->DM().qryPasswords.value("ExpireDate").toDateTime(), QDateTime(QDate(2020, 12, 31), QTime(0, 0)));
    EXPECT_EQ(u.DateExpire->editor()->text(), "December 31, 2020");
}

TEST_F(MainKeyboard, TheDateEditsShowTheLongFormAndAreEditedAsMonthDayYear)
{
    openWithAnAccount();
    NullableDateEdit* date = main->ui().DateAssign;
    date->setDate(QDate(2024, 3, 5));
    EXPECT_EQ(date->editor()->text(), "March 05, 2024");
    date->editor()->setFocus();
    EXPECT_EQ(date->editor()->text(), "03/05/2024");
    main->ui().txtID->setFocus();
    EXPECT_EQ(date->editor()->text(), "March 05, 2024");
}

// Every way of closing the window ends the program once the closing has run,
// also while the window is hidden in the tray.
struct CloseWay {
    const char* name;
    bool hiddenFirst;
    void (*close)(TfrmMain&);
};

class ClosingEndsTheProgram : public MainWindowTest, public ::testing::WithParamInterface<CloseWay> { };

TEST_P(ClosingEndsTheProgram, AfterTheDatabaseIsClosed)
{
    createDatabase("work.pdb", "secret1");
    QSignalSpy ended(main.get(), &TfrmMain::closed);
    bool openWhenEnded = true;
    QObject::connect(main.get(), &TfrmMain::closed, [&] { openWhenEnded = main->session().isOpen(); });
    if (GetParam().hiddenFirst)
        main->hide();
    GetParam().close(*main);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(openWhenEnded);
    EXPECT_FALSE(main->session().isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingEndsTheProgram,
    ::testing::Values(CloseWay{"FileExit", false, [](TfrmMain& m) { m.ui().mnuFileExit->trigger(); }},
                      CloseWay{"ExitButton", false, [](TfrmMain& m) { m.ui().cmdExit->click(); }},
                      CloseWay{"TrayExitWhileHidden", true, [](TfrmMain& m) { m.ui().mnuExit->trigger(); }},
                      CloseWay{"CloseBox", false, [](TfrmMain& m) { m.close(); }},
                      CloseWay{"SessionLogout", false, [](TfrmMain&) { QApplication::closeAllWindows(); }}),
    [](const ::testing::TestParamInfo<CloseWay>& way) { return std::string(way.param.name); });

// A closing that did not happen counts no step towards the next maintenance.
TEST_F(MainWindowTest, AClosingRefusedInTheSaveQuestionDoesNotEndTheProgramNorCountDown)
{
    createDatabase("work.pdb", "secret1");
    Connection& db = main->session().connection();
    db.exec("UPDATE Options SET DBMaintCount = 5;");
    db.exec("INSERT INTO Passwords (GroupID, Description, ID) VALUES (1, 'mail', 'me');");
    main->DM().qryGroups.refresh();
    main->DM().qryPasswords.refresh();
    main->flags().WarnBeforeSave = true;
    QTest::keyClicks(main->ui().txtID, "2");
    QSignalSpy ended(main.get(), &TfrmMain::closed);
    messages.queueSave(SaveAnswer::Cancel);
    main->close();
    EXPECT_EQ(ended.count(), 0);
    ASSERT_TRUE(main->session().isOpen());
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(db.scalar("select DBMaintCount from Options").toInt(), 5);
    main->DM().qryPasswords.cancel();
}

} // namespace
