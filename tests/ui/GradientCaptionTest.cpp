#include "ui/widgets/GradientCaption.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using lw::GradientCaption;

namespace {

// A window holding a caption 640 pixels wide, ten pixels to a band.
struct Host {
    QWidget window;
    QWidget other;
    GradientCaption* caption = new GradientCaption(&window);
    Host()
    {
        window.resize(640, 60);
        caption->setGeometry(0, 0, 640, 24);
        window.show();
        other.show();
    }
    // Activation is set directly, so no window-system round trip is awaited.
    void setActive(bool active) { QApplication::setActiveWindow(active ? &window : &other); }
    QImage paint() { return caption->grab().toImage(); }
};

struct StateCase {
    const char* name;
    bool active;
    QColor left;
    QColor right;
    QColor text;
};

void PrintTo(const StateCase& c, std::ostream* os)
{
    *os << c.name;
}

class GradientCaptionState : public ::testing::TestWithParam<StateCase> { };

TEST_P(GradientCaptionState, RunsFromItsLeftColourToItsRightColour)
{
    const StateCase c = GetParam();
    Host host;
    host.setActive(c.active);
    ASSERT_EQ(host.caption->isActiveWindow(), c.active);
    const QImage image = host.paint();
    EXPECT_EQ(image.pixelColor(0, 0), c.left);
    EXPECT_EQ(image.pixelColor(0, image.height() - 1), c.left);
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0), c.right);
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), c.right);
}

TEST_P(GradientCaptionState, IsMadeOfSixtyFourEvenBandsStepByStep)
{
    const StateCase c = GetParam();
    Host host;
    host.setActive(c.active);
    const QImage image = host.paint();
    const int y = image.height() - 1;
    QList<QColor> bands;
    QList<int> widths;
    for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (bands.isEmpty() || bands.last() != colour) {
            bands << colour;
            widths << 0;
        }
        ++widths.last();
    }
    ASSERT_EQ(bands.size(), GradientCaption::kSteps);
    for (int i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(widths[i], 10) << "band " << i;
        if (i > 0) {
            EXPECT_GT(bands[i].blue(), bands[i - 1].blue()) << "band " << i;
            EXPECT_GE(bands[i].red(), bands[i - 1].red()) << "band " << i;
        }
    }
}

TEST_P(GradientCaptionState, WritesItsTextInTheColourOfTheState)
{
    const StateCase c = GetParam();
    Host host;
    host.setActive(c.active);
    host.caption->setText("MMMM Lockwell");
    const QImage image = host.paint();
    int textPixels = 0, whitePixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            textPixels += colour == c.text;
            whitePixels += colour == QColor(Qt::white);
        }
    EXPECT_GT(textPixels, 20);
    if (!c.active) {
        EXPECT_EQ(whitePixels, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(States, GradientCaptionState,
                         ::testing::Values(StateCase{"Active", true, Qt::black, QColor(0, 0, 128), Qt::white},
                                           StateCase{"Inactive", false, QColor(128, 128, 128), QColor(192, 192, 192),
                                                     QColor(192, 192, 192)}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(GradientCaption, FollowsItsWindowGoingInactive)
{
    Host host;
    host.setActive(true);
    EXPECT_EQ(host.paint().pixelColor(0, 0), QColor(Qt::black));
    host.setActive(false);
    EXPECT_EQ(host.paint().pixelColor(0, 0), QColor(128, 128, 128));
}

// The strip repaints itself when its window comes and goes active, whatever
// the window's palette; a dialog gives it no other cue.
TEST(GradientCaption, RepaintsWhenItsWindowIsActivatedOrDeactivated)
{
    Host host;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host.window));
    QPalette same = host.window.palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        same.setBrush(QPalette::Inactive, QPalette::ColorRole(role),
                      same.brush(QPalette::Active, QPalette::ColorRole(role)));
    host.window.setPalette(same);
    host.setActive(false);
    QCoreApplication::processEvents();
    int paints = 0;
    struct Counter : QObject {
        int& n;
        explicit Counter(int& count) : n(count) { }
        bool eventFilter(QObject*, QEvent* e) override
        {
            n += e->type() == QEvent::Paint;
            return false;
        }
    } filter(paints);
    host.caption->installEventFilter(&filter);
    host.setActive(true);
    QCoreApplication::processEvents();
    EXPECT_GE(paints, 1) << "activated";
    paints = 0;
    host.setActive(false);
    QCoreApplication::processEvents();
    EXPECT_GE(paints, 1) << "deactivated";
}

TEST(GradientCaption, ReportsThePointerMovingOverIt)
{
    Host host;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host.window));
    QSignalSpy hovered(host.caption, &GradientCaption::hovered);
    QTest::mouseMove(host.window.windowHandle(), {300, 40});
    EXPECT_EQ(hovered.count(), 0) << "below the caption";
    QTest::mouseMove(host.window.windowHandle(), {300, 10});
    QTest::mouseMove(host.window.windowHandle(), {320, 12});
    EXPECT_GE(hovered.count(), 2);
}

} // namespace
