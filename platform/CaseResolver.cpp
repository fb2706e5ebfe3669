#include "platform/CaseResolver.h"

#include "platform/WinPath.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace kestrom {

namespace {

QString childOf(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool entryExists(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The host folders of the last path resolved that exists, one per component, so that a
// search walking down a tree resolves only the components it adds: resolving every
// component of a deep path anew would cost time in the square of its depth.
struct ResolvedPrefix {
    QString root;
    QStringList components;
    std::vector<QString> hostPaths; // hostPaths[k]: root with the first k components
};

ResolvedPrefix& lastResolved() {
    thread_local ResolvedPrefix prefix;
    return prefix;
}

// How many leading components of the last resolution still stand for host folders.
qsizetype reusableComponents(const QString& root, const QStringList& components) {
    const ResolvedPrefix& last = lastResolved();
    if (last.root != root)
        return 0;
    qsizetype shared = 0;
    const qsizetype limit = std::min(components.size(), last.components.size());
    while (shared < limit && components[shared] == last.components[shared]) {
        // A component found without regard to case gives way to an exact name made since.
        const QString exact =
            childOf(last.hostPaths[static_cast<size_t>(shared)], components[shared]);
        if (last.hostPaths[static_cast<size_t>(shared) + 1] != exact && entryExists(exact))
            break;
        ++shared;
    }
    // The folder may have gone or changed its case since; then resolve from the root.
    if (shared > 0 && !entryExists(last.hostPaths[static_cast<size_t>(shared)]))
        return 0;
    return shared;
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
    const qsizetype reused = reusableComponents(root, components);
    ResolvedPrefix& last = lastResolved();
    Result result{reused > 0 ? last.hostPaths[static_cast<size_t>(reused)] : root, true};
    std::vector<QString> hostPaths;
    hostPaths.reserve(static_cast<size_t>(components.size()) + 1);
    hostPaths.assign(last.hostPaths.begin(),
                     last.hostPaths.begin() + (reused > 0 ? reused + 1 : 0));
    if (hostPaths.empty())
        hostPaths.push_back(root);
    for (qsizetype i = reused; i < components.size(); ++i) {
        const QString& component = components[i];
        if (result.exists) {
            const QString match = matchIn(result.hostPath, component);
            if (!match.isEmpty()) {
                result.hostPath = childOf(result.hostPath, match);
                hostPaths.push_back(result.hostPath);
                continue;
            }
            result.exists = false;
        }
        result.hostPath = childOf(result.hostPath, component);
    }
    if (result.exists) {
        last.root = root;
        last.components = components;
        last.hostPaths = std::move(hostPaths);
    }
    return result;
}

} // namespace kestrom
