#include "MainWindowFixture.h"

#include "store/Connection.h"
#include "ui/dialogs/TfrmEnterMasterPassword.h"
#include "ui/dialogs/TfrmOptions.h"
#include "ui/main/MainControls.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

const QByteArray kHint = "x-kde-passwordManagerHint";

// An open database with one account, "alice" / "pw-9", masked, and the
// password asked on the way back from the tray only after an idle lock.
class Secrets : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QApplication::clipboard()->clear();
        createDatabase("work.pdb", "secret1");
        Connection& db = main->session().connection();
        db.exec("UPDATE Options SET showpassword = 1, pwdsystray = 0;");
        db.exec("INSERT INTO Passwords (GroupID, Description, ID, Password) VALUES (1, 'mail', 'alice', 'pw-9');");
        main->DM().qryOptions.refresh();
        main->DM().qryGroups.refresh();
        main->DM().qryPasswords.refresh();
        main->ApplyPasswordMask();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        QApplication::clipboard()->clear();
    }
    void later(int seconds) { clock.time = clock.time.addSecs(seconds); }
    static QString clipboardText() { return QApplication::clipboard()->text(); }
    static QByteArray clipboardHint()
    {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data ? data->data(kHint) : QByteArray();
    }
    QString storedID() { return main->session().connection().scalar("SELECT ID FROM Passwords").toString(); }
};

TEST_F(Secrets, TheCopyButtonsCopyAsSecretsClearedTenSecondsLater)
{
    struct Case {
        QToolButton* button;
        QLineEdit* field;
        QString text;
    };
    auto& u = main->ui();
    for (const Case& c : {Case{u.cmdIDCopy, u.txtID, "alice"}, Case{u.cmdpwdcopy, u.txtPassword, "pw-9"}}) {
        c.button->click();
        EXPECT_EQ(clipboardText(), c.text);
        EXPECT_EQ(clipboardHint(), "secret") << c.text.toStdString();
        EXPECT_EQ(c.field->selectedText(), c.text);
        EXPECT_EQ(u.txtPassword->echoMode(), QLineEdit::Password);
        later(10);
        clipboard.clearWhenDue();
        EXPECT_EQ(clipboardText(), "") << c.text.toStdString();
    }
}

TEST_F(Secrets, EditCopyAndCutInThePasswordFieldCopyAsSecrets)
{
    auto& u = main->ui();
    QApplication::setActiveWindow(main.get());
    u.txtPassword->setFocus();
    ASSERT_EQ(u.txtPassword->echoMode(), QLineEdit::Normal) << "the field shows its text while it has the focus";
    u.txtPassword->setSelection(0, 2);
    u.mnuEditCopy->trigger();
    QCoreApplication::processEvents(); // carried out after the command returns
    EXPECT_EQ(clipboardText(), "pw");
    EXPECT_EQ(clipboardHint(), "secret");

    u.txtPassword->selectAll();
    u.mnuEditCut->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(clipboardText(), "pw-9");
    EXPECT_EQ(clipboardHint(), "secret");
    EXPECT_EQ(u.txtPassword->text(), "");
    EXPECT_EQ(main->DM().qryPasswords.value("Password").toString(), "");
    main->DM().qryPasswords.cancel();
}

TEST_F(Secrets, ThePasswordFieldsPopupMenuCopiesAsASecret)
{
    // Shown in clear: a masked field refuses to copy, and the menu takes the
    // focus, which masks it in the other modes.
    main->session().connection().exec("UPDATE Options SET showpassword = 0;");
    main->DM().qryOptions.refresh();
    main->ApplyPasswordMask();
    QLineEdit* pw = main->ui().txtPassword;
    QApplication::setActiveWindow(main.get());
    pw->setFocus();
    pw->selectAll();
    bool copied = false;
    QTimer poll; // acts on the menu once it is up
    poll.callOnTimeout([&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Copy")) && action->isEnabled()) {
                action->trigger();
                copied = true;
            }
        menu->close();
    });
    poll.start(5);
    emit pw->customContextMenuRequested(QPoint(2, 2));
    EXPECT_TRUE(copied);
    EXPECT_EQ(clipboardText(), "pw-9");
    EXPECT_EQ(clipboardHint(), "secret");
}

TEST_F(Secrets, OurSecretLeavesTheClipboardAtCloseDatabaseAndAtExitButNotTheUsers)
{
    main->ui().cmdpwdcopy->click();
    QApplication::clipboard()->setText("my own note");
    main->mnuFileCloseDatabaseClick();
    EXPECT_EQ(clipboardText(), "my own note");

    unlock("secret1");
    main->ui().cmdpwdcopy->click();
    main->mnuFileCloseDatabaseClick();
    EXPECT_EQ(clipboardText(), "");

    unlock("secret1");
    main->ui().cmdpwdcopy->click();
    main->close();
    EXPECT_EQ(clipboardText(), "");
}

TEST_F(Secrets, IdleLockStoresTheEditHidesAndAsksForThePasswordOnReturn)
{
    main->flags().WarnBeforeSave = true; // the lock asks nobody
    main->idleWatch().setLimit(5);
    QTest::keyClicks(main->ui().txtID, "2");
    ASSERT_EQ(main->DM().qryPasswords.state(), Dataset::State::Edit);
    main->ui().cmdpwdcopy->click();

    later(4 * 60);
    main->idleWatch().check();
    EXPECT_TRUE(main->isVisible());
    later(60);
    main->idleWatch().check();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(main->isLocked());
    EXPECT_EQ(main->Tag, 1);
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Browse);
    EXPECT_EQ(storedID(), "alice2");
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(clipboardText(), "");

    // pwdsystray is off, and still the password is asked.
    answerPasswordPrompt("nope", true);
    main->RestoreFromTray();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(main->isLocked());
    answerPasswordPrompt("secret1");
    main->RestoreFromTray();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isLocked());
    EXPECT_EQ(main->Tag, 0);
    EXPECT_EQ(logLines().mid(1),
              (QStringList{"12/11/2026 09:35 AM ... work ... failed", "12/11/2026 09:35 AM ... work ... success"}));
}

TEST_F(Secrets, IdleLockClosesTheOpenDialog)
{
    main->idleWatch().setLimit(5);
    bool wasOpen = false;
    modal.then<TfrmOptions>([&](TfrmOptions& d) {
        wasOpen = d.isVisible();
        later(5 * 60);
        main->idleWatch().check();
    });
    main->mnuEditOptionsClick(); // returns once the lock has closed the dialog
    EXPECT_TRUE(wasOpen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(main->isLocked());
}

TEST_F(Secrets, IdleWhileInTheTrayAsksForThePasswordOnReturn)
{
    main->idleWatch().setLimit(5);
    main->hide();
    main->Tag = 1;
    later(5 * 60);
    main->idleWatch().check();
    EXPECT_TRUE(main->isLocked());
    answerPasswordPrompt("secret1");
    main->RestoreFromTray();
    EXPECT_TRUE(main->isVisible());
}

TEST_F(Secrets, NoDatabaseNoLock)
{
    main->idleWatch().setLimit(5);
    main->mnuFileCloseDatabaseClick();
    later(5 * 60);
    main->idleWatch().check();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isLocked());
}

} // namespace
