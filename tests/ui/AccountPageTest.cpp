#include "MainWindowFixture.h"

#include "store/Connection.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/NullableDateEdit.h"
#include "ui/widgets/PictureButton.h"

#include <QClipboard>
#include <QDateEdit>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class AccountPage : public MainWindowTest {
protected:
    void open(int mode)
    {
        createDatabase("work.pdb", "secret1");
        Connection& db = main->session().connection();
        db.exec(QStringLiteral("UPDATE Options SET showpassword = %1;").arg(mode));
        db.exec("INSERT INTO Passwords (GroupID, Description, ID, Password) VALUES (1, 'mail', 'me', 'pw1'),"
                " (1, 'news', 'you', 'pw2');");
        main->DM().qryOptions.refresh();
        main->DM().qryGroups.refresh();
        main->DM().qryPasswords.refresh();
        main->ApplyPasswordMask();
    }
    bool masked() { return main->ui().txtPassword->echoMode() == QLineEdit::Password; }
    void send(QWidget* w, QEvent::Type type)
    {
        if (type == QEvent::Enter) {
            QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(w, &e);
        } else {
            QEvent e(type);
            QApplication::sendEvent(w, &e);
        }
    }
    void focus(QWidget* w, QEvent::Type type)
    {
        QFocusEvent e(type, Qt::MouseFocusReason);
        QApplication::sendEvent(w, &e);
    }
};

struct DisplayCase {
    int mode;
    bool afterEnter, afterLeave, afterFocusIn, afterFocusOut;
};

class DisplayRule : public AccountPage, public ::testing::WithParamInterface<DisplayCase> { };

TEST_P(DisplayRule, MasksByTheDatabasesMode)
{
    const DisplayCase& c = GetParam();
    open(c.mode);
    QLineEdit* pw = main->ui().txtPassword;
    EXPECT_EQ(masked(), c.mode != 0);
    send(pw, QEvent::Enter);
    EXPECT_EQ(masked(), c.afterEnter);
    send(pw, QEvent::Leave);
    EXPECT_EQ(masked(), c.afterLeave);
    focus(pw, QEvent::FocusIn);
    EXPECT_EQ(masked(), c.afterFocusIn);
    focus(pw, QEvent::FocusOut);
    EXPECT_EQ(masked(), c.afterFocusOut);
}

INSTANTIATE_TEST_SUITE_P(Modes, DisplayRule,
                         ::testing::Values(DisplayCase{0, false, false, false, false},
                                           DisplayCase{1, false, true, false, true},
                                           DisplayCase{2, true, true, false, true}));

TEST_F(AccountPage, FocusInThePasswordStoresAnUneditedAccountWithoutAsking)
{
    open(1);
    main->flags().WarnBeforeSave = true;
    focus(main->ui().txtPassword, QEvent::FocusIn);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Browse);
}

TEST_F(AccountPage, CopyingAMaskedPasswordPutsTheClearTextOnTheClipboard)
{
    open(1);
    main->ui().cmdpwdcopy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "pw1");
    EXPECT_TRUE(masked());
    main->ui().cmdIDCopy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "me");
}

TEST_F(AccountPage, LockEditsStopsTypingButNotTheMenusPaste)
{
    open(0);
    auto& u = main->ui();
    u.cmdLockEdit->click(); // up: editing locked
    EXPECT_FALSE(main->EditingEnabled);
    u.txtID->setFocus();
    QTest::keyClicks(u.txtID, "xyz");
    QTest::keyClick(u.txtID, Qt::Key_Backspace);
    EXPECT_EQ(u.txtID->text(), "me");
    QApplication::clipboard()->setText("pasted");
    u.txtID->selectAll();
    QMetaObject::invokeMethod(u.txtID, "paste");
    EXPECT_EQ(u.txtID->text(), "pasted");
    EXPECT_EQ(main->DM().qryPasswords.value("ID").toString(), "pasted");
    u.cmdLockEdit->click();
    QTest::keyClicks(u.txtID, "!");
    EXPECT_EQ(u.txtID->text(), "pasted!");
}

TEST_F(AccountPage, TypingCInADateEditGivesToday)
{
    open(0);
    QDateEdit* editor = main->ui().DateExpire->editor();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_C);
    EXPECT_EQ(main->DM().qryPasswords.value("ExpireDate").toDateTime().date(), QDate::currentDate());
}

TEST_F(AccountPage, TheWebAddressGoesToTheBrowserUnlessBlank)
{
    open(0);
    QList<QUrl> opened;
    main->openUrl = [&](const QUrl& u) { opened << u; };
    auto& u = main->ui();
    u.txtURL->setText("   ");
    u.cmdGo->click();
    u.txtURL->setText("https://example.org/login");
    u.cmdGo->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl("https://example.org/login"));
}

TEST_F(AccountPage, TheWebAddressGoesAsTypedBlanksIncluded)
{
    open(0);
    QList<QUrl> opened;
    main->openUrl = [&](const QUrl& u) { opened << u; };
    struct Case {
        QString typed;
        QString handed;
    };
    for (const Case& c : {Case{" example.com/login/x/z", " example.com/login/x/z"},
                          Case{"https://example.org/a b ", "https://example.org/a b "},
                          Case{"example.com/login", "http://example.com/login"}}) {
        opened.clear();
        main->ui().txtURL->setText(c.typed);
        main->ui().cmdGo->click();
        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0].toString(), c.handed) << c.typed.toStdString();
    }
}

TEST_F(AccountPage, HoverPicturesSwapAndClickOnlyWithAnOpenDatabase)
{
    auto& u = main->ui();
    const QImage offOpen = u.cmdOpen->upPicture().toImage();
    send(u.cmdOpen, QEvent::Enter);
    EXPECT_NE(u.cmdOpen->upPicture().toImage(), offOpen);
    send(u.cmdOpen, QEvent::Leave);
    EXPECT_EQ(u.cmdOpen->upPicture().toImage(), offOpen);
    EXPECT_TRUE(sounds.played.isEmpty()) << "no database open";

    createDatabase("work.pdb", "secret1"); // the first group is empty: cmdGo is disabled
    sounds.played.clear();
    ASSERT_FALSE(u.cmdGo->isEnabled());
    send(u.cmdGo, QEvent::Enter);
    EXPECT_EQ(sounds.played, QStringList{"MOVE"});
    main->ButtonSoundsOn = false;
    send(u.cmdFind, QEvent::Enter);
    EXPECT_EQ(sounds.played, QStringList{"MOVE"});
}

} // namespace
