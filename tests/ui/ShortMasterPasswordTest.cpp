#include "MainWindowFixture.h"

#include "records/PasswordStrength.h"
#include "ui/dialogs/TfrmChangePassword.h"
#include "ui/dialogs/TfrmNewMasterPassword.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

const char* const kWarningStart = "This master password is shorter than 10 characters.";

class ShortMasterPasswordTest : public MainWindowTest {
protected:
    int warnings() const
    {
        int n = 0;
        for (const auto& box : messages.boxes)
            n += box.kind == "confirm" && box.text.startsWith(kWarningStart);
        return n;
    }
};

TEST_F(ShortMasterPasswordTest, ANewDatabaseWithAShortPasswordIsCreatedOnlyAfterYes)
{
    const QString path = dir.file("family.pdb");
    files.queueAnswer(path);
    modal.then<TfrmNewMasterPassword>([&](TfrmNewMasterPassword& d) {
        QTest::keyClicks(d.txtPassword, "sixsix");
        EXPECT_EQ(d.lblStrength->text(), TypedStrengthText("sixsix"));
        QTest::keyClicks(d.txtVerify, "sixsix");
        messages.queueAnswer(false);
        d.cmdCreateDB->click();
        EXPECT_TRUE(d.isVisible()) << "Cancel keeps the dialog open";
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(d.txtPassword->hasFocus());
        messages.queueAnswer(true);
        d.cmdCreateDB->click();
    });
    main->mnuFileNewClick();
    EXPECT_EQ(warnings(), 2);
    EXPECT_TRUE(main->session().isOpen());
    EXPECT_EQ(main->session().CurrentMasterPassword(), "sixsix");
}

TEST_F(ShortMasterPasswordTest, TenCharactersOrMoreAreNotWarnedAbout)
{
    createDatabase("family.pdb", "tencharsok");
    EXPECT_TRUE(main->session().isOpen());
    modal.then<TfrmChangePassword>([](TfrmChangePassword& d) {
        QTest::keyClicks(d.txtCurrent, "tencharsok");
        QTest::keyClicks(d.txtNew, "fourteen chars");
        QTest::keyClicks(d.txtVerify, "fourteen chars");
        d.cmdOK->click();
    });
    main->mnuFileChangeMasterPasswordClick();
    EXPECT_EQ(warnings(), 0);
    EXPECT_EQ(main->session().CurrentMasterPassword(), "fourteen chars");
}

TEST_F(ShortMasterPasswordTest, AShortNewMasterPasswordReplacesTheOldOnlyAfterYes)
{
    createDatabase("work.pdb", "secret1");
    modal.then<TfrmChangePassword>([&](TfrmChangePassword& d) {
        QTest::keyClicks(d.txtCurrent, "secret1");
        QTest::keyClicks(d.txtNew, "better2");
        EXPECT_EQ(d.lblStrength->text(), TypedStrengthText("better2"));
        QTest::keyClicks(d.txtVerify, "better2");
        messages.queueAnswer(false);
        d.cmdOK->click();
        EXPECT_TRUE(d.isVisible()) << "Cancel keeps the dialog open";
        EXPECT_TRUE(d.txtNew->hasFocus());
        EXPECT_EQ(main->session().CurrentMasterPassword(), "secret1");
        messages.queueAnswer(true);
        d.cmdOK->click();
    });
    main->mnuFileChangeMasterPasswordClick();
    EXPECT_EQ(warnings(), 2);
    EXPECT_EQ(messages.boxes.back().text, "Master Password Changed!");
    EXPECT_EQ(main->session().CurrentMasterPassword(), "better2");
}

} // namespace
