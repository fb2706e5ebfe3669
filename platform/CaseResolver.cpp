#include "platform/CaseResolver.h"

#include "platform/WinPath.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace kestrom {

namespace {

QString childOf(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool entryExists(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

QString CaseResolver::matchIn(const QString& folder, const QString& name) {
    if (name.isEmpty())
        return {};
    if (entryExists(childOf(folder, name)))
        return name;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()),
                                            ::closedir);
    if (!dir)
        return {};
    QString best;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray raw(entry->d_name);
        if (!WinPath::isListableName(raw))
            continue;
        const QString candidate = QString::fromUtf8(raw);
        if (candidate.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (best.isEmpty() || candidate < best)
            best = candidate;
    }
    return best;
}

CaseResolver::Result CaseResolver::resolve(const QString& root, const QStringList& components) {
    Result result{root, true};
    for (const QString& component : components) {
        if (result.exists) {
            const QString match = matchIn(result.hostPath, component);
            if (!match.isEmpty()) {
                result.hostPath = childOf(result.hostPath, match);
                continue;
            }
            result.exists = false;
        }
        result.hostPath = childOf(result.hostPath, component);
    }
    return result;
}

} // namespace kestrom
