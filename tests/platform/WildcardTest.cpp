#include "platform/Wildcard.h"

#include <QString>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

struct Case {
    const char* pattern;
    const char* name;
    bool matches;
};

TEST(Wildcard, FollowsTheWindowsRules) {
    const Case cases[] = {
        {"*", "anything.txt", true},
        {"*.*", "README", true}, // "*.*" takes names without a dot
        {"*.*", ".", true},
        {"*.*", "..", true},
        {"*.ani", "WAIT.ANI", true}, // without regard to case
        {"*.Ani", "wait.ani", true},
        {"*.ani", "wait.anim", false},
        {"*.ani", "wait.ani.bak", false},
        {"a*.*", "abc", true},
        {"?.cur", "x.cur", true},
        {"?.cur", "xy.cur", false},
        {"file?.txt", "file.txt", true}, // "?" may match nothing before a dot
        {"file?.txt", "file1.txt", true},
        {"ab??", "ab", true}, // ... or at the end
        {"ab?", "abcd", false},
        {"*.", "README", true}, // trailing dot: only names without an extension
        {"*.", "read.me", false},
        {"name.", "name", true},
        {"00000001.CUR", "00000001.cur", true},
        {"00000001.CUR", "00000002.cur", false},
        {"*a*b*c*", "xxaxxbxxcxx", true},
        {"*a*b*c*", "xxaxxcxxbxx", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WildcardMatch(QString::fromUtf8(c.pattern), QString::fromUtf8(c.name)), c.matches)
            << c.pattern << " vs " << c.name;
    }
}

TEST(Wildcard, ManyStarsStayCheap) {
    const QString pattern = QString(200, u'*') + u'z';
    const QString name(255, u'a');
    EXPECT_FALSE(WildcardMatch(pattern, name));
}

} // namespace
} // namespace kestrom
