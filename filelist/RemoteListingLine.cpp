#include "filelist/RemoteListingLine.h"

#include "filelist/ExtensionGroups.h"
#include "filelist/ItemText.h"

#include <QStringList>

namespace kestrom {

namespace {

// Sizes past 2 GB wrap to 32 bits, as sizes of local files do.
bool readSize(const QString& text, int& size) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        return false;
    size = static_cast<int>(static_cast<quint32>(value & 0xFFFFFFFF));
    return true;
}

// "10:30AM", "10:30PM" or "10:30": the first five characters a time of day, the next two
// AM, PM or nothing.
bool readsAsTime(const QString& field) {
    const QStringList parts = field.left(5).split(u':');
    if (parts.size() != 2)
        return false;
    bool hourOk = false;
    bool minuteOk = false;
    const int hour = parts[0].toInt(&hourOk);
    const int minute = parts[1].toInt(&minuteOk);
    if (!hourOk || !minuteOk || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return false;
    const QString suffix = field.mid(5, 2).toUpper();
    if (suffix.isEmpty())
        return true;
    return (suffix == QStringLiteral("AM") || suffix == QStringLiteral("PM")) && hour <= 12;
}

int monthNumber(const QString& name) {
    static const QStringList months = {
        QStringLiteral("JAN"), QStringLiteral("FEB"), QStringLiteral("MAR"), QStringLiteral("APR"),
        QStringLiteral("MAY"), QStringLiteral("JUN"), QStringLiteral("JUL"), QStringLiteral("AUG"),
        QStringLiteral("SEP"), QStringLiteral("OCT"), QStringLiteral("NOV"), QStringLiteral("DEC")};
    return static_cast<int>(months.indexOf(name.toUpper())) + 1;
}

// The date fields of a UNIX line, read in month, day, year order whatever the locale.
struct UnixDate {
    int month = 0; // 0: no known month name, the date is not read
    int day = -1;
    int year = -1;
    int hour = 0;
    int minute = 0;
    bool timeOfDay = false;
    bool bad = false;

    void readYearOrTime(const QString& field, const QDate& today) {
        if (field.contains(u':')) {
            const QStringList parts = field.split(u':');
            bool hourOk = false;
            bool minuteOk = false;
            hour = parts.value(0).toInt(&hourOk);
            minute = parts.value(1).toInt(&minuteOk);
            bad = parts.size() != 2 || !hourOk || !minuteOk || hour > 23 || minute > 59 ||
                  hour < 0 || minute < 0;
            timeOfDay = true;
            year = today.year();
            // A date still to come this year belongs to last year.
            const QDate candidate(year, month, day);
            if (candidate.isValid() && candidate > today.addDays(1))
                --year;
            if (!QDate(year, month, day).isValid() && QDate(year - 1, month, day).isValid())
                --year; // 29 February
        } else {
            bool ok = false;
            year = field.toInt(&ok);
            bad = !ok;
        }
    }

    // false when the text built from the fields does not read as a date.
    bool pack(int& packed) const {
        const QDate date(year, month, day);
        if (bad || !date.isValid())
            return false;
        packed = RemoteListingLine::PackDateTime(date, hour, minute, 0);
        return true;
    }
};

} // namespace

int RemoteListingLine::PackDateTime(const QDate& date, int hour, int minute, int second) {
    if (!date.isValid() || date.year() < 1980 || date.year() > 2107)
        return 0;
    const quint32 d =
        static_cast<quint32>(((date.year() - 1980) << 9) | (date.month() << 5) | date.day());
    const quint32 t = static_cast<quint32>((hour << 11) | (minute << 5) | (second / 2));
    return static_cast<int>((d << 16) | t);
}

RemoteListingLine RemoteListingLine::Parse(const QString& line, const QDate& today,
                                           const TExtStringList& groups) {
    RemoteListingLine entry;
    if (line.isEmpty())
        return entry;
    const QChar first = line[0];
    const bool dos = first.isDigit();
    if (!dos && first != u'd' && first != u'l' && first != u'-')
        return entry;
    if (first == u'd' || first == u'l') {
        entry.kind = u'G';
        entry.icon = 8;
    }
    UnixDate date;
    int field = 1;
    QString rest = line;
    while (rest.contains(u' ')) {
        rest = rest.mid(rest.indexOf(u' ') + 1);
        if (rest.startsWith(u' ') || !rest.contains(u' ')) {
            if (!rest.isEmpty())
                entry.name = rest;
            continue;
        }
        ++field;
        const QString value = rest.left(rest.indexOf(u' '));
        if (dos) {
            if (field == 2 && !readsAsTime(value)) {
                entry.failed = true;
                return entry;
            }
            if (field == 3) {
                if (value.contains(QStringLiteral("<DIR>"))) {
                    entry.kind = u'G';
                    entry.icon = 8;
                } else if (!readSize(value, entry.size)) {
                    entry.failed = true;
                    return entry;
                }
            }
            if (field == 4) {
                entry.name = rest;
                break;
            }
            continue;
        }
        if (field == 5 && !readSize(value, entry.size)) {
            entry.failed = true;
            return entry;
        }
        if (field == 6)
            date.month = monthNumber(value);
        if (field == 7 && date.month > 0) {
            bool ok = false;
            date.day = value.toInt(&ok);
            date.bad = !ok;
        }
        if (field == 8 && date.month > 0 && !date.bad)
            date.readYearOrTime(value, today);
        if (field == 9) {
            entry.name = rest;
            break;
        }
    }
    if (!dos && date.month > 0 && !date.pack(entry.time)) {
        entry.failed = true;
        return entry;
    }
    if (entry.name == QStringLiteral(".")) {
        entry.name = QStringLiteral("\\");
        entry.kind = u'E';
        entry.icon = 6;
    } else if (entry.name == QStringLiteral("..")) {
        entry.kind = u'F';
        entry.icon = 7;
    }
    if (entry.kind == u'H') {
        QString code = ItemText::ExtractFileExt(entry.name).toUpper();
        while (code.size() < 4)
            code += u'.';
        entry.icon = ExtensionGroups::GroupIcon(groups.FindContaining(code));
    }
    entry.listed = !entry.name.isEmpty() && entry.name != QStringLiteral("\\") &&
                   entry.name != QStringLiteral("..") && (dos || field >= 8);
    return entry;
}

} // namespace kestrom
