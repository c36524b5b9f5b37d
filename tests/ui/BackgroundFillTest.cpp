#include "ui/widgets/BackgroundFill.h"

#include <QImage>
#include <gtest/gtest.h>

using lw::BackgroundFill;

namespace {

// Only what the fill itself paints: no window background under it.
QImage paintOf(const QString& style)
{
    BackgroundFill fill;
    fill.resize(120, 90);
    fill.setStyleName(style);
    QImage image(fill.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    fill.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

bool isBlank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() != 0)
                return false;
    return true;
}

TEST(BackgroundFill, OffersTheFifteenStylesInTheirListOrder)
{
    EXPECT_EQ(BackgroundFill::styleNames(),
              QStringList({"Adobe", "Alcatraz", "ElPaso", "Hanoi", "Holes", "Hollywood", "Honolulu", "London",
                           "Manhattan", "None", "Orleans", "Oshawa", "Philadelphia", "Pittsburg", "Sahara"}));
}

TEST(BackgroundFill, EachTextureCoversTheWholeAreaInLightColoursAndLooksDifferent)
{
    QList<QImage> seen;
    for (const QString& style : BackgroundFill::styleNames()) {
        if (style == "None")
            continue;
        const QImage image = paintOf(style);
        int darkest = 255;
        bool covered = true;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                covered = covered && c.alpha() == 255;
                darkest = qMin(darkest, c.lightness());
            }
        EXPECT_TRUE(covered) << style.toStdString();
        EXPECT_GE(darkest, 150) << style.toStdString() << " is too dark behind text";
        for (const QImage& other : seen)
            EXPECT_NE(image, other) << style.toStdString() << " repeats another texture";
        seen << image;
    }
    EXPECT_EQ(seen.size(), 14);
}

TEST(BackgroundFill, NoneAndUnknownNamesPaintNothing)
{
    for (const char* style : {"None", "", "Paris", "adobe", "none"}) {
        EXPECT_TRUE(isBlank(paintOf(style))) << style;
        BackgroundFill fill;
        fill.setStyleName(style);
        EXPECT_EQ(fill.styleName(), "None") << style;
    }
}

TEST(BackgroundFill, ChangingTheStyleBackToNoneClearsTheTexture)
{
    BackgroundFill fill;
    fill.resize(40, 40);
    fill.setStyleName("Sahara");
    fill.setStyleName("Nowhere");
    QImage image(fill.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    fill.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_TRUE(isBlank(image));
}

} // namespace
