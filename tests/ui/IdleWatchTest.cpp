#include "ui/IdleWatch.h"
#include "support/FakeClock.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace lw;

namespace {

class IdleWatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        QObject::connect(&watch, &IdleWatch::idle, [this] { ++idles; });
    }
    void after(int seconds)
    {
        clock.time = clock.time.addSecs(seconds);
        watch.check();
    }

    test::FakeClock clock;
    IdleWatch watch{clock};
    QWidget window;
    int idles = 0;
};

TEST_F(IdleWatchTest, IdleOnceTheMinutesHavePassedWithoutInput)
{
    watch.setLimit(5);
    EXPECT_EQ(watch.nextLookMs(), 5 * 60 * 1000);
    after(4 * 60);
    EXPECT_EQ(idles, 0);
    EXPECT_EQ(watch.nextLookMs(), 60 * 1000);
    after(60);
    EXPECT_EQ(idles, 1);
    EXPECT_EQ(watch.nextLookMs(), -1) << "waits for input before it counts again";
    after(60 * 60);
    EXPECT_EQ(idles, 1);
}

TEST_F(IdleWatchTest, KeysAndThePointerStartTheSpellAgain)
{
    watch.setLimit(5);
    struct Input {
        const char* name;
        std::function<void(QWidget&)> give;
    };
    const Input inputs[] = {
        {"key", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Shift); }},
        {"click", [](QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton); }},
        {"move", [](QWidget& w) { QTest::mouseMove(&w, QPoint(3, 4)); }},
    };
    const char* last = "start";
    for (const Input& input : inputs) {
        after(4 * 60);
        EXPECT_EQ(idles, 0) << "four minutes after the " << last;
        input.give(window);
        last = input.name;
    }
    after(4 * 60);
    EXPECT_EQ(idles, 0);
    after(60);
    EXPECT_EQ(idles, 1);
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_EQ(watch.nextLookMs(), 5 * 60 * 1000) << "input after an idle spell counts anew";
}

TEST_F(IdleWatchTest, ZeroMinutesNeverIdles)
{
    watch.setLimit(0);
    EXPECT_EQ(watch.nextLookMs(), -1);
    QTest::keyClick(&window, Qt::Key_A);
    after(24 * 60 * 60);
    EXPECT_EQ(idles, 0);
    EXPECT_EQ(watch.nextLookMs(), -1);
}

} // namespace
