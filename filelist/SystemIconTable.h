#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace kestrom {

// The host's file-type icons as one shared table: each icon name (of the freedesktop icon
// theme, from the file's type) gets an index the first time it is asked for.
class SystemIconTable {
public:
    static SystemIconTable& shared();

    // The index of the icon for a host path; iconName, when given, names the icon instead.
    int IndexFor(const QString& hostPath, const QString& iconName = {});
    // The icon name of an index; empty outside the table.
    QString IconName(int index) const;
    int Count() const { return static_cast<int>(names_.size()); }

private:
    QStringList names_;
    QHash<QString, int> indexes_;
};

} // namespace kestrom
