#include "ui/WindowGeometry.h"
#include "settings/IniFile.h"
#include "support/TempDir.h"

#include <climits>
#include <gtest/gtest.h>

namespace lw {
namespace {

struct GeometryCase {
    const char* name;
    int left, top, width, height;
    QRect expected;
};

const QRect kScreen(0, 0, 1920, 1040);

const GeometryCase kCases[] = {
    {"FitsAsStored", 100, 50, 640, 480, {100, 50, 640, 480}},
    {"HugeWidthShrinksToTheScreen", 1, 1, INT_MAX, 480, {0, 1, 1920, 480}},
    {"HugeEverything", INT_MAX, INT_MAX, INT_MAX, INT_MAX, {0, 0, 1920, 1040}},
    {"NegativeExtremes", INT_MIN, INT_MIN, INT_MIN, INT_MIN, {0, 0, 640, 480}},
    {"ZeroSizeTakesTheDesignedSize", 10, 10, 0, 0, {10, 10, 640, 480}},
    {"OffTheRightEdgeMovesBack", 1800, 900, 640, 480, {1280, 560, 640, 480}},
    {"OffTheLeftEdgeMovesIn", -5000, -30, 640, 480, {0, 0, 640, 480}},
};

class ClampToScreenCases : public ::testing::TestWithParam<GeometryCase> { };

TEST_P(ClampToScreenCases, KeepsTheWindowOnTheScreen)
{
    const GeometryCase& c = GetParam();
    EXPECT_EQ(ClampToScreen(c.left, c.top, c.width, c.height, kScreen), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Stored, ClampToScreenCases, ::testing::ValuesIn(kCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ClampToScreen, WorksOnAScreenThatDoesNotStartAtZero)
{
    const QRect second(1920, -200, 1280, 1024);
    EXPECT_EQ(ClampToScreen(0, 0, 3000, 300, second), QRect(1920, 0, 1280, 300));
    EXPECT_EQ(ClampToScreen(0, -900, 3000, 300, second), QRect(1920, -200, 1280, 300));
}

TEST(StoredWindowGeometry, AHugeStoredSizeComesBackAsTheScreen)
{
    test::TempDir dir;
    dir.write("lw.ini", "[Options]\nscreenpos=1\nscreenleft=5\nscreenwidth=2147483647\nscreenheight=99999999999\n");
    // "screenheight" is no 32-bit integer and reads as its default.
    EXPECT_EQ(StoredWindowGeometry(IniFile(dir.file("lw.ini")), kScreen), QRect(0, 0, 1920, 480));
    EXPECT_EQ(StoredWindowGeometry(IniFile(dir.file("none.ini")), kScreen), QRect(0, 0, 640, 480));
}

} // namespace
} // namespace lw
