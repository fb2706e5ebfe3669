#include "messages/TextHelpers.h"
#include "messages/NumberHelpers.h"
#include "messages/ScreenColors.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(GetField, SplitsAtBlanksAndCommasWithQuotesGrouping) {
    struct Case {
        const char* text;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {"10, 20,,30", 3, "30"},                          // a run of separators is one
        {"10, 20,,30", 1, "10"}, {"\"a b\",c", 1, "a b"}, // quotes group and are dropped
        {"\"a b\",c", 2, "c"},   {"", 1, "DEF"},          {"one two", 3, "DEF"},
        {"  lead", 1, "lead"},   {"x\"\"y z", 1, "xy"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetField(QString::fromUtf8(c.text), c.n, QStringLiteral("DEF")),
                  QString::fromUtf8(c.expected))
            << c.text << " #" << c.n;
    }
    const QString longText = QString(300, u'x') + QStringLiteral(",tail");
    EXPECT_EQ(GetField(longText, 2, QString()), QStringLiteral("tail"));
}

TEST(TextHelpers, SplitsAtTheFirstBarAndSeesWildcards) {
    QString left = QStringLiteral("stale");
    QString right;
    SplitAtBar(QStringLiteral("name|C:\\x|y"), left, right);
    EXPECT_EQ(left, QStringLiteral("name"));
    EXPECT_EQ(right, QStringLiteral("C:\\x|y"));
    SplitAtBar(QStringLiteral("no bar"), left, right);
    EXPECT_EQ(left, QString());
    EXPECT_EQ(right, QStringLiteral("no bar"));
    EXPECT_TRUE(HasWildcard(QStringLiteral("*.cur")));
    EXPECT_TRUE(HasWildcard(QStringLiteral("a?")));
    EXPECT_FALSE(HasWildcard(QStringLiteral("C:\\plain")));
}

TEST(NumberHelpers, BlankFreeToIntDropsBlanksAndFailsToZero) {
    EXPECT_EQ(BlankFreeToInt(QStringLiteral(" 1 2 ")), 12);
    EXPECT_EQ(BlankFreeToInt(QStringLiteral("-3 0")), -30);
    EXPECT_EQ(BlankFreeToInt(QStringLiteral("letters")), 0);
    EXPECT_EQ(BlankFreeToInt(QString()), 0);
    EXPECT_EQ(Max(3, -4), 3);
    EXPECT_EQ(Min(3, -4), -4);
}

TEST(ScreenColors, CountsColoursFromTheDepth) {
    const int cases[][2] = {{4, 16}, {8, 256}, {16, 16777216}, {32, 16777216}};
    for (const auto& c : cases) {
        SetScreenBitsPerPixel(c[0]);
        EXPECT_EQ(ScreenColorCount(), c[1]) << c[0] << " bits";
    }
    SetScreenBitsPerPixel(0);
}

} // namespace
} // namespace kestrom
