#pragma once

#include <QString>
#include <QStringList>

namespace kestrom {

// Finds host names without regard to case, one path component at a time.
class CaseResolver {
public:
    struct Result {
        QString hostPath;
        bool exists = false; // every component matched an entry
    };

    // root is an existing host folder; components are names below it.
    static Result resolve(const QString& root, const QStringList& components);

    // The entry of folder that name stands for: the exact name when present, otherwise the
    // first case-insensitive match in name order; empty when nothing matches.
    static QString matchIn(const QString& folder, const QString& name);
};

} // namespace kestrom
