#include "ui/widgets/PictureButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using lw::PictureButton;

namespace {

QPixmap solid(QColor colour, QSize size = {28, 20})
{
    QPixmap p(size);
    p.fill(colour);
    return p;
}

QColor centreOf(QWidget& w)
{
    const QImage image = w.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// A window with the button in it, shown, so that pointer moves go through
// the window system the way real ones do.
struct Host {
    QWidget window;
    PictureButton* button = new PictureButton(&window);
    Host()
    {
        window.resize(200, 120);
        button->setUpPicture(solid(Qt::red));
        button->move(40, 30);
        button->resize(button->sizeHint());
        window.show();
    }
    void pointerTo(QPoint inWindow) { QTest::mouseMove(window.windowHandle(), inWindow); }
    QPoint overButton() const { return button->geometry().center(); }
};

class PictureButtonHover : public ::testing::TestWithParam<bool> { };

TEST_P(PictureButtonHover, SignalsEnterAndLeaveWhetherEnabledOrNot)
{
    Host host;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host.window));
    host.button->setEnabled(GetParam());
    QSignalSpy entered(host.button, &PictureButton::mouseEntered);
    QSignalSpy left(host.button, &PictureButton::mouseLeft);

    host.pointerTo({5, 5});
    EXPECT_EQ(entered.count(), 0);
    host.pointerTo(host.overButton());
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 0);
    host.pointerTo(host.overButton() + QPoint(1, 1));
    EXPECT_EQ(entered.count(), 1) << "moving inside is no new entry";
    host.pointerTo({5, 5});
    EXPECT_EQ(left.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(States, PictureButtonHover, ::testing::Values(true, false),
                         [](const auto& testInfo) { return testInfo.param ? "Enabled" : "Disabled"; });

struct PictureCase {
    const char* name;
    bool enabled;
    bool down;
    bool withDisabledPicture;
    QColor expected;
};

void PrintTo(const PictureCase& c, std::ostream* os)
{
    *os << c.name;
}

class PictureButtonPicture : public ::testing::TestWithParam<PictureCase> { };

TEST_P(PictureButtonPicture, PaintsThePictureOfItsState)
{
    const PictureCase c = GetParam();
    PictureButton button;
    button.setUpPicture(solid(Qt::red));
    button.setDownPicture(solid(Qt::blue));
    if (c.withDisabledPicture)
        button.setDisabledPicture(solid(Qt::gray));
    button.resize(button.sizeHint());
    button.setEnabled(c.enabled);
    button.setDown(c.down);
    EXPECT_EQ(centreOf(button), c.expected);
}

INSTANTIATE_TEST_SUITE_P(States, PictureButtonPicture,
                         ::testing::Values(PictureCase{"Up", true, false, true, QColor(Qt::red)},
                                           PictureCase{"Pressed", true, true, true, QColor(Qt::blue)},
                                           PictureCase{"Disabled", false, false, true, QColor(Qt::gray)},
                                           PictureCase{"DisabledWithoutItsPicture", false, false, false,
                                                       QColor(Qt::red)}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(PictureButton, ANewUpPictureReplacesTheOldOneButNotTheDisabledOne)
{
    PictureButton button;
    button.setUpPicture(solid(Qt::red));
    button.setDisabledPicture(solid(Qt::gray));
    button.resize(button.sizeHint());
    button.setUpPicture(solid(Qt::green));
    EXPECT_EQ(centreOf(button), QColor(Qt::green));
    button.setEnabled(false);
    button.setUpPicture(solid(Qt::yellow));
    EXPECT_EQ(centreOf(button), QColor(Qt::gray));
    button.setEnabled(true);
    EXPECT_EQ(centreOf(button), QColor(Qt::yellow));
}

TEST(PictureButton, AClickEmitsClickedOnlyWhileEnabled)
{
    PictureButton button;
    button.setUpPicture(solid(Qt::red));
    button.resize(button.sizeHint());
    QSignalSpy clicked(&button, &PictureButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

// Bounding box of the pixels of one colour in the button's painting.
QRect areaOf(PictureButton& button, auto matches)
{
    const QImage image = button.grab().toImage();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (matches(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(PictureButton, PutsItsCaptionUnderOrBesideThePicture)
{
    PictureButton button;
    button.setUpPicture(solid(Qt::red, {24, 24}));
    button.setText("Reports");
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, Qt::blue);
    button.setPalette(palette);
    auto isPicture = [](QColor c) { return c == QColor(Qt::red); };
    auto isCaption = [](QColor c) { return c.blue() > 120 && c.red() < 100 && c.green() < 100; };

    button.resize(button.sizeHint());
    QRect picture = areaOf(button, isPicture), caption = areaOf(button, isCaption);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_EQ(picture.size(), QSize(24, 24));
    EXPECT_LT(picture.bottom(), caption.top());

    button.setCaptionPlace(PictureButton::CaptionPlace::Beside);
    button.resize(button.sizeHint());
    picture = areaOf(button, isPicture);
    caption = areaOf(button, isCaption);
    EXPECT_EQ(picture.size(), QSize(24, 24));
    EXPECT_LT(picture.right(), caption.left());
}

} // namespace
