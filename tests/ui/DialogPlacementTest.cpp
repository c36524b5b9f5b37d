#include "ui/DialogPlacement.h"

#include "store/BusyCursor.h"

#include <QGuiApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace lw {
namespace {

struct PlacementCase {
    QRect owner;
    QSize dialog;
    QPoint expected;
};

// Left = owner left + owner width / 2 - dialog width / 2, each half cut
// toward zero; the same for top and heights.
const PlacementCase kPlacements[] = {
    {{100, 50, 300, 200}, {100, 50}, {200, 125}}, {{100, 50, 301, 201}, {101, 51}, {200, 125}}, // 150 - 50, 100 - 25
    {{0, 0, 300, 200}, {101, 51}, {100, 75}}, // not (300 - 101) / 2
    {{0, 0, 613, 465}, {333, 177}, {140, 144}}, // 306 - 166, 232 - 88
    {{10, 10, 100, 50}, {301, 101}, {-90, -15}}, // larger than the owner
    {{-400, -20, 201, 41}, {21, 3}, {-310, -1}}, // owner off screen
};

class CenterOverCases : public ::testing::TestWithParam<PlacementCase> { };

TEST_P(CenterOverCases, PutsTheDialogsCentreOnTheOwnersCentre)
{
    const PlacementCase& c = GetParam();
    QWidget owner;
    owner.setGeometry(c.owner);
    QWidget dialog;
    dialog.resize(c.dialog);
    CenterOver(&owner, &dialog);
    EXPECT_EQ(dialog.pos(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Geometry, CenterOverCases, ::testing::ValuesIn(kPlacements));

TEST(CenterOver, FollowsAnOwnerThatIsNotAWindow)
{
    QWidget owner;
    owner.setGeometry(100, 100, 400, 300);
    QWidget inner(&owner);
    inner.setGeometry(20, 10, 200, 100);
    owner.show();
    QWidget dialog;
    dialog.resize(50, 30);
    CenterOver(&inner, &dialog);
    const QPoint innerTopLeft = inner.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(dialog.pos(), innerTopLeft + QPoint(100 - 25, 50 - 15));
}

bool hourglassShown()
{
    const QCursor* c = QGuiApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor;
}

TEST(Busy, IsOnAndOffNotCounted)
{
    BeginBusy();
    EXPECT_TRUE(hourglassShown());
    BeginBusy();
    EndBusy();
    EXPECT_FALSE(hourglassShown());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EndBusy();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Busy, EndBusyLeavesSomeoneElsesHourglass)
{
    BusyCursor copying;
    EndBusy();
    EXPECT_TRUE(hourglassShown());
    BeginBusy();
    EndBusy();
    EXPECT_TRUE(hourglassShown());
}

} // namespace
} // namespace lw
