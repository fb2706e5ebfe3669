#include "filelist/DetailFormat.h"

#include "platform/FileAttributes.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace kestrom {

namespace {

constexpr quint32 kFirstDosDate = 2162688; // 1 January 1980, midnight

QString longTimeFormat() {
    // The locale's long time format without its time zone.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return format.trimmed();
}

} // namespace

QString DetailFormat::GroupThousands(qint64 n) {
    const QString digits = QString::number(n < 0 ? -n : n);
    QString result;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += u',';
        result += digits[i];
    }
    return n < 0 ? u'-' + result : result;
}

QString DetailFormat::AttrLetters(int attr) {
    QString letters;
    if (attr & faReadOnly)
        letters += u'R';
    if (attr & faHidden)
        letters += u'H';
    if (attr & faSysFile)
        letters += u'S';
    if (attr & faArchive)
        letters += u'A';
    return letters;
}

DetailFormat::DateTimeTexts DetailFormat::DateAndTime(int packed) {
    DateTimeTexts texts;
    const auto value = static_cast<quint32>(packed);
    if (value < kFirstDosDate)
        return texts;
    const quint32 d = value >> 16;
    const quint32 t = value & 0xFFFF;
    const QDate date(static_cast<int>((d >> 9) + 1980), static_cast<int>((d >> 5) & 15),
                     static_cast<int>(d & 31));
    const QTime time(static_cast<int>(t >> 11), static_cast<int>((t >> 5) & 63),
                     static_cast<int>((t & 31) * 2));
    if (date.isValid() && time.isValid()) {
        texts.date = QLocale::system().toString(date, QLocale::ShortFormat);
        texts.time = QLocale::system().toString(time, longTimeFormat());
    }
    return texts;
}

} // namespace kestrom
