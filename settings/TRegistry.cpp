#include "settings/TRegistry.h"

#include "platform/ERegistryError.h"
#include "platform/RegistryHive.h"

namespace kestrom {

namespace {

QString trimmedPath(QString path) {
    while (path.startsWith(u'\\'))
        path.remove(0, 1);
    while (path.endsWith(u'\\'))
        path.chop(1);
    return path;
}

} // namespace

RegistryHive& TRegistry::hive() const {
    return Registry::hive(root_);
}

QString TRegistry::join(const QString& a, const QString& b) {
    if (a.isEmpty())
        return trimmedPath(b);
    if (b.isEmpty())
        return a;
    return a + u'\\' + trimmedPath(b);
}

void TRegistry::SetRootKey(RegRoot root) {
    if (root == root_)
        return;
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const QString& path, bool canCreate) {
    const QString key = trimmedPath(path);
    RegistryHive& store = hive();
    if (!store.canWrite())
        return false;
    if (!store.keyExists(key)) {
        if (!canCreate)
            return false;
        try {
            store.createKey(key);
        } catch (const ERegistryError&) {
            return false; // a key that cannot be made does not open
        }
    }
    current_ = key;
    open_ = true;
    return true;
}

void TRegistry::SetCurrentPath(const QString& path) {
    current_ = trimmedPath(path);
    open_ = false;
}

void TRegistry::CloseKey() {
    current_.clear();
    open_ = false;
}

void TRegistry::GetKeyNames(QStringList& list) const {
    list.clear();
    if (open_)
        list = hive().subKeyNames(current_);
}

void TRegistry::GetValueNames(QStringList& list) const {
    list.clear();
    if (open_)
        list = hive().valueNames(current_);
}

bool TRegistry::KeyExists(const QString& path) const {
    return hive().keyExists(join(current_, path));
}

bool TRegistry::ValueExists(const QString& name) const {
    return hive().value(current_, name).has_value();
}

QString TRegistry::ReadString(const QString& name) const {
    const auto value = hive().value(current_, name);
    if (!value)
        return {};
    if (!value->isText())
        throw ERegistryError(QStringLiteral("Invalid data type for \"%1\"").arg(name));
    return value->text();
}

void TRegistry::WriteString(const QString& name, const QString& text) {
    if (!open_)
        throw ERegistryError(
            QStringLiteral("Failed to set data for \"%1\": no key is open").arg(name));
    hive().setValue(current_, RegValue::fromString(name, text));
}

bool TRegistry::DeleteValue(const QString& name) {
    return hive().deleteValue(current_, name);
}

} // namespace kestrom
