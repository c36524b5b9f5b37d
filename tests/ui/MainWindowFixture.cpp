#include "MainWindowFixture.h"

#include "ui/dialogs/ShortMasterPassword.h"
#include "ui/dialogs/TfrmEnterMasterPassword.h"
#include "ui/dialogs/TfrmNewMasterPassword.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace lw::test {

void MainWindowTest::SetUp()
{
    main = std::make_unique<TfrmMain>(
        AppServices{dir.path(), settings, alias, log, clock, messages, files, sounds, clipboard});
    main->show();
}

void MainWindowTest::TearDown()
{
    if (main && main->session().isOpen())
        main->session().CloseDatabase();
    main.reset();
    EXPECT_FALSE(messages.answersLeft()) << "a scripted answer was not used";
    EXPECT_FALSE(files.answersLeft()) << "a scripted file choice was not used";
    EXPECT_EQ(modal.stepsLeft(), 0) << "a dialog the test expected never came up";
}

void MainWindowTest::createDatabase(const QString& name, const QString& password, bool samples)
{
    files.queueAnswer(dir.file(name));
    const auto boxesBefore = std::ptrdiff_t(messages.boxes.size());
    modal.then<TfrmNewMasterPassword>([=, this](TfrmNewMasterPassword& d) {
        QTest::keyClicks(d.txtPassword, password);
        QTest::keyClicks(d.txtVerify, password);
        d.chkSample->setChecked(samples);
        if (password.size() >= 4 && password.size() < kSafeMasterPasswordLength)
            messages.queueAnswer(true);
        d.cmdCreateDB->click();
    });
    main->mnuFileNewClick();
    // Yes to the short-password warning is part of the set-up here; the
    // warning's own tests look at it.
    auto& boxes = messages.boxes;
    boxes.erase(std::remove_if(boxes.begin() + boxesBefore, boxes.end(),
                               [](const FakeMessages::Box& box) { return box.kind == "confirm"; }),
                boxes.end());
}

void MainWindowTest::answerPasswordPrompt(const QString& password, bool giveUp)
{
    modal.then<TfrmEnterMasterPassword>([=](TfrmEnterMasterPassword& d) {
        QTest::keyClicks(d.txtPassword, password);
        d.cmdOK->click();
        if (giveUp)
            d.reject();
    });
}

void MainWindowTest::unlock(const QString& password)
{
    modal.then<TfrmEnterMasterPassword>([=](TfrmEnterMasterPassword& d) {
        QTest::keyClicks(d.txtPassword, password);
        QTest::keyClick(d.txtPassword, Qt::Key_Return);
    });
    main->ShowUnlockDialog();
}

QStringList MainWindowTest::logLines() const
{
    return QString::fromLatin1(dir.read("Log.txt")).split("\r\n", Qt::SkipEmptyParts);
}

} // namespace lw::test
