#include <QGuiApplication>
#include <gtest/gtest.h>

// Tests that draw or measure text, without windows, on the offscreen platform.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("Lockwell");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
