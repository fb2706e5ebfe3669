#pragma once

#include "filelist/TExtStringList.h"

#include <QChar>
#include <QDate>
#include <QString>

namespace kestrom {

// One line of a saved remote directory listing, in UNIX style ("-rw-r--r-- 1 user group 4096
// Mar  7 10:15 arrow.cur") or DOS style ("12-05-98  10:30AM  <DIR>  my cursors").
struct RemoteListingLine {
    bool failed = false; // a field that should be a number, time or date is not one
    bool listed = false; // an entry to add (before the mask is asked)
    QChar kind = u'H';
    QString name;
    int icon = 10;
    int size = 0;
    int time = 0; // packed date-time

    // today decides the year of UNIX lines that give a time of day instead of a year: the
    // year that puts the date in the last twelve months.
    static RemoteListingLine Parse(const QString& line, const QDate& today,
                                   const TExtStringList& groups);
    // A packed date-time; 0 outside 1980 to 2107.
    static int PackDateTime(const QDate& date, int hour, int minute, int second);
};

} // namespace kestrom
