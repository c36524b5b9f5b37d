#include <QColor>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

struct PictureCase {
    const char* base;
    int width;
    int height;
    bool canBeDisabled;
};

void PrintTo(const PictureCase& c, std::ostream* os)
{
    *os << c.base;
}

QImage load(const QString& name)
{
    return QImage(QStringLiteral(":/pictures/%1.png").arg(name));
}

// Mean HSV saturation (0..255) over the visible pixels.
double meanSaturation(const QImage& image)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128) {
                sum += c.hsvSaturation();
                ++count;
            }
        }
    return count ? sum / count : 0;
}

class ButtonPictures : public ::testing::TestWithParam<PictureCase> { };

TEST_P(ButtonPictures, ComeInPairsOfTheButtonsSizeWithAGreyDisabledPictureWhereNeeded)
{
    const PictureCase c = GetParam();
    const QString base = QString::fromLatin1(c.base);
    const QImage on = load(base + "ON");
    const QImage off = load(base + "OFF");
    ASSERT_FALSE(on.isNull()) << c.base;
    ASSERT_FALSE(off.isNull()) << c.base;
    EXPECT_EQ(on.size(), QSize(c.width, c.height));
    EXPECT_EQ(off.size(), QSize(c.width, c.height));
    EXPECT_GT(meanSaturation(on), meanSaturation(off) + 10) << "the lit picture is the colourful one";

    const QImage disabled = load(base + "DISABLED");
    EXPECT_EQ(!disabled.isNull(), c.canBeDisabled);
    if (!disabled.isNull()) {
        EXPECT_EQ(disabled.size(), QSize(c.width, c.height));
        EXPECT_LT(meanSaturation(disabled), 8) << "disabled pictures are grey";
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, ButtonPictures,
                         ::testing::Values(PictureCase{"NEW", 32, 32, false}, PictureCase{"OPEN", 32, 25, false},
                                           PictureCase{"GROUPADD", 28, 28, true},
                                           PictureCase{"GROUPEDIT", 28, 28, true},
                                           PictureCase{"GROUPDEL", 28, 28, true}, PictureCase{"REPORT", 34, 34, true},
                                           PictureCase{"LOG", 31, 31, true}, PictureCase{"EXPIRE", 32, 21, true},
                                           PictureCase{"OPTIONS", 34, 30, true}, PictureCase{"FIND", 28, 28, true},
                                           PictureCase{"EXIT", 32, 23, false}, PictureCase{"PASSWORDADD", 28, 15, true},
                                           PictureCase{"PWDEDIT", 28, 15, true},
                                           PictureCase{"PASSWORDDEL", 28, 15, true},
                                           PictureCase{"PASSWORD", 32, 32, true}, PictureCase{"GOURL", 20, 20, true}),
                         [](const auto& testInfo) { return std::string(testInfo.param.base); });

TEST(ProgramIcon, IsA64PixelSquarePicture)
{
    EXPECT_EQ(load("LOCKWELL").size(), QSize(64, 64));
}

} // namespace
