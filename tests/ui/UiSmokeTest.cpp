#include <QApplication>
#include <gtest/gtest.h>

TEST(UiSuite, RunsUnderAnApplication)
{
    EXPECT_NE(QApplication::instance(), nullptr);
}
