#include "platform/Registry.h"

#include "platform/ProgramFolders.h"
#include "platform/RegistryHive.h"

#include <map>
#include <memory>

namespace kestrom {

QString Registry::hiveFile(RegRoot root) {
    if (root == RegRoot::CurrentUser)
        return ProgramFolders::userConfigHostFolder() + QStringLiteral("/registry.db");
    const QString machine = qEnvironmentVariable("KESTROM_MACHINE_HIVE");
    return machine.isEmpty() ? QStringLiteral("/var/lib/kestrom/machine.db") : machine;
}

RegistryHive& Registry::hive(RegRoot root) {
    static std::map<QString, std::unique_ptr<RegistryHive>> open;
    const QString file = hiveFile(root);
    auto it = open.find(file);
    if (it == open.end())
        it = open.emplace(file, std::make_unique<RegistryHive>(file)).first;
    return *it->second;
}

QString Registry::rootName(RegRoot root) {
    return root == RegRoot::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                        : QStringLiteral("HKEY_LOCAL_MACHINE");
}

std::optional<RegRoot> Registry::parseRoot(const QString& name) {
    const QString upper = name.toUpper();
    if (upper == QStringLiteral("HKEY_CURRENT_USER") || upper == QStringLiteral("HKCU"))
        return RegRoot::CurrentUser;
    if (upper == QStringLiteral("HKEY_LOCAL_MACHINE") || upper == QStringLiteral("HKLM"))
        return RegRoot::LocalMachine;
    return std::nullopt;
}

std::optional<RegKeyPath> Registry::parseKeyPath(const QString& text) {
    const qsizetype cut = text.indexOf(u'\\');
    const auto root = parseRoot(cut < 0 ? text : text.left(cut));
    if (!root)
        return std::nullopt;
    QString path = cut < 0 ? QString() : text.mid(cut + 1);
    while (path.endsWith(u'\\'))
        path.chop(1);
    return RegKeyPath{*root, path};
}

} // namespace kestrom
