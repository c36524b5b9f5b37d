// What a screen reader says for each button that shows only a picture: its
// hint, in the main window and in every dialog the main window opens.
#include "MainWindowFixture.h"

#include "store/Connection.h"
#include "ui/TfrmWelcome.h"
#include "ui/dialogs/TfrmPrintPreview.h"
#include "ui/dialogs/TfrmSelectReport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QPushButton>
#include <functional>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

QString classNameOf(const QObject* object)
{
    return QString(object->metaObject()->className()).section("::", -1);
}

// The buttons the user sees under `root` with no text of their own whose
// accessible name is missing or differs from their hint, each as
// "Window: class object name "hint"". A table's corner button is left out:
// screen readers reach a table through its cells and headers.
QStringList unnamedPictureButtons(const QWidget* root)
{
    QStringList faults;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(root) || !button->text().trimmed().isEmpty() ||
            qobject_cast<QAbstractItemView*>(button->parentWidget()))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        if (name.isEmpty() || (!button->toolTip().isEmpty() && name != button->toolTip()))
            faults << QStringLiteral("%1: %2 %3 \"%4\"")
                          .arg(classNameOf(root), classNameOf(button), button->objectName(), button->toolTip());
    }
    return faults;
}

class AccessibleNamesTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        createDatabase("names.pdb", "secret1");
        // An expired account in the current group, for the generator, the
        // description and the expired list.
        main->session().connection().exec("INSERT INTO Passwords (GroupID, Description, ID, ExpireDate) VALUES "
                                          "(1, 'Webmail', 'alice', '2026-01-01 00:00:00')");
        main->DM().qryPasswords.refresh();
    }

    // Runs the command and looks at the dialog it shows, which is then cancelled.
    void lookAtDialogOf(const std::function<void()>& command)
    {
        modal.then<QDialog>([this](QDialog& d) {
            shown << classNameOf(&d);
            faults << unnamedPictureButtons(&d);
            d.reject();
        });
        command();
    }

    QStringList shown;
    QStringList faults;
};

TEST_F(AccessibleNamesTest, TheMainWindowsPictureButtonsSayTheirHints)
{
    const QStringList unnamed = unnamedPictureButtons(main.get());
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();
}

TEST_F(AccessibleNamesTest, EveryDialogsPictureButtonsSayTheirHints)
{
    TfrmMain& m = *main;
    const std::vector<std::pair<QString, std::function<void()>>> dialogs = {
        {"TfrmGenerate", [&m] { m.cmdPasswordClick(); }},
        {"TfrmFind", [&m] { m.mnuEditFindClick(); }},
        {"TfrmExpired", [&m] { m.mnuPasswordsExpiredClick(); }},
        {"TfrmOptions", [&m] { m.mnuEditOptionsClick(); }},
        {"TfrmBackup", [&m] { m.mnuFileBackupClick(); }},
        {"TfrmLog", [&m] { m.mnuEditLogClick(); }},
        {"TfrmAbout", [&m] { m.AboutLockwell1Click(); }},
        {"TfrmChangePassword", [&m] { m.mnuFileChangeMasterPasswordClick(); }},
        {"TfrmEditGroup", [&m] { m.mnuGroupsNewClick(); }},
        {"TfrmEditDescription", [&m] { m.mnuPasswordsEditDescriptionClick(); }},
        {"TfrmWelcome", [&m] { TfrmWelcome::Execute(&m, [] {}); }},
    };
    QStringList expected;
    for (const auto& [name, command] : dialogs) {
        expected << name;
        lookAtDialogOf(command);
    }
    EXPECT_EQ(shown.join(", ").toStdString(), expected.join(", ").toStdString());
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

TEST_F(AccessibleNamesTest, TheReportDialogsPictureButtonsSayTheirHints)
{
    modal.then<TfrmSelectReport>([this](TfrmSelectReport& d) {
        faults << unnamedPictureButtons(&d);
        d.cmdOK->click();
    });
    modal.then<TfrmPrintPreview>([this](TfrmPrintPreview& d) {
        shown << "TfrmPrintPreview";
        faults << unnamedPictureButtons(&d);
        d.reject();
    });
    modal.then<TfrmSelectReport>([](TfrmSelectReport& d) { d.reject(); });
    main->mnuGroupsReportsClick();
    EXPECT_EQ(shown.join(", ").toStdString(), "TfrmPrintPreview");
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

TEST_F(AccessibleNamesTest, TheUnlockDialogsPictureButtonsSayTheirHints)
{
    main->mnuFileCloseDatabaseClick();
    lookAtDialogOf([this] { main->ShowUnlockDialog(); });
    EXPECT_EQ(shown.join(", ").toStdString(), "TfrmEnterMasterPassword");
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

} // namespace
