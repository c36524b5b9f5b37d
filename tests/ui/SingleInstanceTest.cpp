#include "ui/SingleInstance.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lw {
namespace {

// Requests travel over a local socket; this is how long a test waits for one.
constexpr int kGenerousWaitMs = 10000;

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::unique_ptr<SingleInstance> guard() { return std::make_unique<SingleInstance>("lockwell-test", dir.path()); }

    QTemporaryDir dir;
};

TEST_F(SingleInstanceTest, ASecondStartIsRefusedAndBringsTheFirstToTheFront)
{
    auto first = guard();
    ASSERT_TRUE(first->tryBecomePrimary());
    QSignalSpy shown(first.get(), &SingleInstance::showRequested);

    auto second = guard();
    EXPECT_FALSE(second->tryBecomePrimary());
    EXPECT_FALSE(second->isPrimary());
    EXPECT_TRUE(second->askPrimaryToShow());

    ASSERT_TRUE(shown.wait(kGenerousWaitMs));
    EXPECT_EQ(shown.count(), 1);
}

TEST_F(SingleInstanceTest, APrimaryKeepsTheNameHoweverLongItRuns)
{
    auto first = guard();
    ASSERT_TRUE(first->tryBecomePrimary());
    QFile lock(first->lockFilePath());
    ASSERT_TRUE(lock.open(QIODevice::Append));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lock.close();
    EXPECT_FALSE(guard()->tryBecomePrimary());
}

TEST_F(SingleInstanceTest, EveryRequestIsHeard)
{
    auto first = guard();
    ASSERT_TRUE(first->tryBecomePrimary());
    QSignalSpy shown(first.get(), &SingleInstance::showRequested);
    auto second = guard();
    ASSERT_TRUE(second->askPrimaryToShow());
    ASSERT_TRUE(second->askPrimaryToShow());
    while (shown.count() < 2 && shown.wait(kGenerousWaitMs)) { }
    EXPECT_EQ(shown.count(), 2);
}

TEST_F(SingleInstanceTest, TheNameIsFreeAgainWhenThePrimaryEnds)
{
    auto first = guard();
    ASSERT_TRUE(first->tryBecomePrimary());
    first.reset();

    auto next = guard();
    ASSERT_TRUE(next->tryBecomePrimary());
    QSignalSpy shown(next.get(), &SingleInstance::showRequested);
    EXPECT_TRUE(guard()->askPrimaryToShow());
    EXPECT_TRUE(shown.wait(kGenerousWaitMs));
}

TEST_F(SingleInstanceTest, LeftoversOfACrashedInstanceDoNotBlockAStart)
{
    auto probe = guard();
    // A lock file as a process writes it, naming a process that has ended,
    // and the socket file it left behind.
    QByteArray contents;
    {
        QLockFile model(dir.filePath("model.lock"));
        ASSERT_TRUE(model.tryLock(0));
        QFile f(dir.filePath("model.lock"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        contents = f.readAll();
    }
    contents = "2147483646" + contents.mid(contents.indexOf('\n'));
    for (const QString& path : {probe->lockFilePath(), probe->serverName()}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }

    ASSERT_TRUE(probe->tryBecomePrimary());
    QSignalSpy shown(probe.get(), &SingleInstance::showRequested);
    EXPECT_TRUE(guard()->askPrimaryToShow());
    EXPECT_TRUE(shown.wait(kGenerousWaitMs));
}

TEST_F(SingleInstanceTest, AskingWithNoPrimaryFails)
{
    EXPECT_FALSE(guard()->askPrimaryToShow(1000));
}

TEST_F(SingleInstanceTest, DifferentNamesDoNotMeet)
{
    auto mine = guard();
    SingleInstance other("other-program", dir.path());
    EXPECT_TRUE(mine->tryBecomePrimary());
    EXPECT_TRUE(other.tryBecomePrimary());
}

TEST(SingleInstanceName, ComesFromTheExecutableAndTheUser)
{
    const QString name = SingleInstance::defaultName();
    EXPECT_TRUE(name.startsWith("ui_tests-")) << name.toStdString();
    EXPECT_GT(name.size(), QString("ui_tests-").size());
}

} // namespace
} // namespace lw
