#include "store/Cp1252.h"

#include <gtest/gtest.h>

using namespace lw;

TEST(Cp1252, MapsTheWindowsLettersAndReplacesTheRest)
{
    const QString text = QString::fromUtf8("a\u00e9\u20ac\u0160\u4e2d");
    const QByteArray bytes = toCp1252(text);
    EXPECT_EQ(bytes, QByteArray("a\xe9\x80\x8a?"));
    EXPECT_EQ(fromCp1252(QByteArray("a\xe9\x80\x8a")), QString::fromUtf8("a\u00e9\u20ac\u0160"));
}
