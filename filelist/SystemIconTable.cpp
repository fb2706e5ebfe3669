#include "filelist/SystemIconTable.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace kestrom {

SystemIconTable& SystemIconTable::shared() {
    static SystemIconTable table;
    return table;
}

int SystemIconTable::IndexFor(const QString& hostPath, const QString& iconName) {
    QString name = iconName;
    if (name.isEmpty()) {
        const QFileInfo info(hostPath);
        if (info.isDir())
            name = QStringLiteral("folder");
        else
            name = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).iconName();
    }
    const auto found = indexes_.constFind(name);
    if (found != indexes_.constEnd())
        return found.value();
    const int index = static_cast<int>(names_.size());
    names_.append(name);
    indexes_.insert(name, index);
    return index;
}

QString SystemIconTable::IconName(int index) const {
    return names_.value(index);
}

} // namespace kestrom
