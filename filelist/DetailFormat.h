#pragma once

#include <QString>

namespace kestrom {

// The texts of the detail columns.
class DetailFormat {
public:
    // "1,234,567"; a minus sign stays in front of the first group.
    static QString GroupThousands(qint64 n);
    // "R", "H", "S", "A" for read-only, hidden, system and archive, in that order.
    static QString AttrLetters(int attr);

    struct DateTimeTexts {
        QString date = QStringLiteral("?");
        QString time = QStringLiteral("?");
    };
    // A packed date-time in the locale's short date and long time formats; "?" for both
    // before 1 January 1980 or when it does not convert. The value is read unsigned, so
    // dates from 2044 on, which set its top bit, still show.
    static DateTimeTexts DateAndTime(int packed);
};

} // namespace kestrom
