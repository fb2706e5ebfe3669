#include "messages/TextHelpers.h"

#include "platform/Wildcard.h"

namespace kestrom {

bool HasWildcard(const QString& text) {
    return HasWildcardChars(text);
}

void SplitAtBar(const QString& text, QString& left, QString& right) {
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0) {
        left.clear();
        right = text;
        return;
    }
    left = text.left(bar);
    right = text.mid(bar + 1);
}

QString GetField(const QString& text, int n, const QString& def) {
    QString field;
    bool quoted = false;
    bool afterSeparator = true;
    int number = 0;
    for (QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && (c == u' ' || c == u',')) {
            afterSeparator = true;
            continue;
        }
        if (afterSeparator) {
            afterSeparator = false;
            if (++number > n)
                break;
        }
        if (number == n)
            field += c;
    }
    return field.isEmpty() ? def : field;
}

} // namespace kestrom
