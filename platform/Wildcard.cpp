#include "platform/Wildcard.h"

#include <vector>

namespace kestrom {

namespace {

bool sameLetter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

bool onlyStars(QStringView rest) {
    for (QChar c : rest) {
        if (c != u'*')
            return false;
    }
    return true;
}

// Table of "pattern from i matches name from j", filled from the end: no backtracking, so a
// pattern of many stars costs pattern length times name length and no more.
bool matchTable(QStringView p, QStringView n) {
    const qsizetype P = p.size();
    const qsizetype N = n.size();
    const auto at = [N](qsizetype i, qsizetype j) { return static_cast<size_t>(i * (N + 1) + j); };
    std::vector<char> dp(static_cast<size_t>((P + 1) * (N + 1)), 0);
    dp[at(P, N)] = 1;
    for (qsizetype i = P - 1; i >= 0; --i) {
        const QChar c = p[i];
        for (qsizetype j = N; j >= 0; --j) {
            bool ok = false;
            if (c == u'*') {
                ok = dp[at(i + 1, j)] || (j < N && dp[at(i, j + 1)]);
            } else if (c == u'?') {
                ok = (j < N && dp[at(i + 1, j + 1)]) ||
                     ((j == N || n[j] == u'.') && dp[at(i + 1, j)]);
            } else if (c == u'.') {
                ok = (j < N && n[j] == u'.' && dp[at(i + 1, j + 1)]) ||
                     (j == N && onlyStars(p.mid(i + 1)));
            } else {
                ok = j < N && sameLetter(c, n[j]) && dp[at(i + 1, j + 1)];
            }
            dp[at(i, j)] = ok ? 1 : 0;
        }
    }
    return dp[at(0, 0)] != 0;
}

} // namespace

bool WildcardMatch(QStringView pattern, QStringView name) {
    if (pattern == u"*" || pattern == u"*.*")
        return true;
    const bool dotsOnly = pattern == u"." || pattern == u"..";
    if (!dotsOnly && pattern.endsWith(u'.')) {
        // A trailing dot asks for names without an extension: "name." names "name" itself.
        return !name.contains(u'.') && matchTable(pattern.chopped(1), name);
    }
    return matchTable(pattern, name);
}

bool HasWildcardChars(QStringView text) {
    return text.contains(u'*') || text.contains(u'?');
}

} // namespace kestrom
