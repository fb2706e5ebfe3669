#include "messages/ErrorReporter.h"
#include "messages/EInvalidPointer.h"
#include "messages/ErrorText.h"

#include "platform/EInOutError.h"
#include "platform/UserNotice.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <new>

namespace kestrom {
namespace {

TEST(ErrorText, GivesTheProgramsWording) {
    EXPECT_EQ(ErrorText(0), QString());
    EXPECT_EQ(ErrorText(2), QStringLiteral("File not found!"));
    EXPECT_EQ(ErrorText(19), ErrorText(150));
    EXPECT_EQ(ErrorText(101), ErrorText(112));
    EXPECT_EQ(ErrorText(7), QStringLiteral("Unknown Error #7"));
    EXPECT_EQ(ErrorText(-1), QStringLiteral("Unknown Error #-1"));
    EXPECT_TRUE(ErrorText(5).contains(QStringLiteral("another\r\napplication")));
    EXPECT_TRUE(ErrorText(152).contains(u'~'));
    EXPECT_EQ(ErrorText(10001).count(u'\r'), 2);
    EXPECT_FALSE(ErrorText(10001).contains(u'\n'));
}

class Reporting : public ::testing::Test {
protected:
    void SetUp() override {
        SetUserNoticeSink([this](const QString& title, const QString& message) {
            shown.push_back({title, message});
        });
    }
    void TearDown() override { SetUserNoticeSink(nullptr); }

    std::vector<std::pair<QString, QString>> shown;
};

TEST_F(Reporting, ShowsAnIOErrorInTheProgramsWordsUnderTheApplicationTitle) {
    int argc = 1;
    char name[] = "kestrom";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kestrom"));
    try {
        throw EInOutError(2);
    } catch (const std::exception& e) {
        ReportException(e);
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, QStringLiteral("Kestrom"));
    EXPECT_EQ(shown[0].second, QStringLiteral("File not found!"));
}

TEST_F(Reporting, ChoosesTheTextByTheKindOfFailure) {
    ReportException(std::bad_alloc());
    ReportException(EInvalidPointer());
    ReportException(std::runtime_error("Bad cursor file"));
    ReportException(EInOutError(0)); // nothing to say: nothing shown
    ReportException(std::runtime_error(""));
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].second, OutOfMemoryText());
    EXPECT_EQ(shown[1].second, InvalidPointerText());
    EXPECT_EQ(shown[2].second, QStringLiteral("Bad cursor file"));
    ClearErrorTitle();
    ShowError(QStringLiteral("after the end"));
    EXPECT_EQ(shown.back().first, QString());
}

} // namespace
} // namespace kestrom
