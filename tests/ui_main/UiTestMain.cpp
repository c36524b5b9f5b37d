#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run the real windows on the offscreen platform.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lockwell");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
