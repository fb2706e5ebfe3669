#pragma once

#include <QChar>
#include <QString>

namespace kestrom {

// The stored name of an item in tree view: every backslash of a path is followed by the kind
// of what comes after it, so that a folder's items sort directly below it.
class TreeName {
public:
    // kind 'G': a folder path ending in "\"; 'H': a file path, with key put before its name;
    // 'B' and 'I': name + "\" + kind; other kinds unchanged.
    static QString Encode(QChar kind, const QString& name, const QString& key);

    struct Decoded {
        QString path;
        QChar kind = u'D'; // the last kind letter met, 'D' when there was none
    };
    static Decoded Decode(const QString& stored);
};

} // namespace kestrom
