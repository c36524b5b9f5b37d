#include "ui/TfrmWelcome.h"

#include "WhenModal.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace lw {
namespace {

using test::WhenModal;

const QString kWelcomeText = "Lockwell Supports multiple databases!\n\n"
                             "If this is your first time running the program, a database needs to be specified.\n\n"
                             "Would you like to create a password database now?";

struct Outcome {
    int newRuns = 0;
    bool hiddenWhileNewRan = false;
    bool freed = false;
};

// Shows the dialog modally, as start-up does, and presses one key in it.
Outcome pressInWelcome(Qt::Key key)
{
    QWidget mainWindow;
    Outcome out;
    QPointer<TfrmWelcome> shown;
    WhenModal<TfrmWelcome> press([&](TfrmWelcome* dlg) {
        shown = dlg;
        QTest::keyClick(dlg, key);
    });
    TfrmWelcome::Execute(&mainWindow, [&] {
        ++out.newRuns;
        out.hiddenWhileNewRan = shown && !shown->isVisible() && QApplication::activeModalWidget() != shown;
    });
    EXPECT_TRUE(press.ran());
    out.freed = shown.isNull();
    return out;
}

TEST(TfrmWelcome, EnterAnswersYesAndStartsANewDatabaseOnceHidden)
{
    const Outcome out = pressInWelcome(Qt::Key_Return);
    EXPECT_EQ(out.newRuns, 1);
    EXPECT_TRUE(out.hiddenWhileNewRan);
    EXPECT_TRUE(out.freed);
}

TEST(TfrmWelcome, EscapeAnswersNo)
{
    const Outcome out = pressInWelcome(Qt::Key_Escape);
    EXPECT_EQ(out.newRuns, 0);
    EXPECT_TRUE(out.freed);
}

TEST(TfrmWelcome, NoButtonClosesWithoutANewDatabase)
{
    bool ranNew = false;
    WhenModal<TfrmWelcome> press([](TfrmWelcome* dlg) { dlg->cmdNo->click(); });
    TfrmWelcome::Execute(nullptr, [&] { ranNew = true; });
    EXPECT_TRUE(press.ran());
    EXPECT_FALSE(ranNew);
}

TEST(TfrmWelcome, LooksAsDesigned)
{
    QWidget mainWindow;
    auto* dlg = new TfrmWelcome(&mainWindow, [] {});
    QPointer<TfrmWelcome> guard(dlg);
    EXPECT_EQ(dlg->windowTitle(), "Welcome");
    EXPECT_EQ(dlg->lblInfo->text(), kWelcomeText);
    EXPECT_TRUE(dlg->lblInfo->wordWrap());
    EXPECT_TRUE(dlg->lblInfo->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(dlg->lblInfo->font().bold());
    EXPECT_EQ(dlg->Label1->text(), "Welcome to Lockwell!");
    EXPECT_TRUE(dlg->Label1->font().bold());
    EXPECT_GT(dlg->Label1->font().pointSizeF(), dlg->font().pointSizeF());
    EXPECT_EQ(dlg->cmdYes->text(), "&Yes");
    EXPECT_EQ(dlg->cmdNo->text(), "&No");
    EXPECT_TRUE(dlg->cmdYes->isDefault());
    EXPECT_EQ(dlg->Image1->size(), QSize(32, 32));
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_FALSE(dlg->windowFlags() & (Qt::WindowMinMaxButtonsHint));

    dlg->show();
    const QSize designed = dlg->size();
    EXPECT_EQ(dlg->minimumSize(), designed);
    EXPECT_EQ(dlg->maximumSize(), designed);
    dlg->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST(TfrmWelcome, IsCentredOverTheMainWindow)
{
    QWidget mainWindow;
    mainWindow.setGeometry(200, 100, 612, 464);
    TfrmWelcome dlg(&mainWindow, [] {});
    dlg.setAttribute(Qt::WA_DeleteOnClose, false);
    const QRect r = dlg.frameGeometry();
    EXPECT_EQ(r.left(), 200 + 612 / 2 - r.width() / 2);
    EXPECT_EQ(r.top(), 100 + 464 / 2 - r.height() / 2);
}

} // namespace
} // namespace lw
