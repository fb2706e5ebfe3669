#pragma once

#include "platform/Registry.h"

#include <QString>
#include <QStringList>

namespace kestrom {

class RegistryHive;

// A key object with one root and at most one open key.
class TRegistry {
public:
    TRegistry() = default;
    virtual ~TRegistry() = default;

    RegRoot RootKey() const { return root_; }
    // A change of root closes the open key.
    void SetRootKey(RegRoot root);

    // Opens path (relative to the root) with full access, creating it when canCreate is set.
    // False when the key is missing or full access is refused; the open key is then unchanged.
    bool OpenKey(const QString& path, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return open_; }
    const QString& CurrentPath() const { return current_; }

    // Clear list, then add the open key's sub-key or value names in listing order.
    void GetKeyNames(QStringList& list) const;
    void GetValueNames(QStringList& list) const;

    bool KeyExists(const QString& path) const;
    bool ValueExists(const QString& name) const;
    // A value of the open key; empty when missing; ERegistryError for a non-string type.
    QString ReadString(const QString& name) const;
    // Stores text as REG_SZ in the open key; ERegistryError when that fails.
    void WriteString(const QString& name, const QString& text);
    bool DeleteValue(const QString& name);

protected:
    RegistryHive& hive() const;
    // Points the object at path without opening it (an ini view whose key could not be made
    // still reads, as defaults).
    void SetCurrentPath(const QString& path);
    static QString join(const QString& a, const QString& b);

private:
    RegRoot root_ = RegRoot::CurrentUser;
    QString current_;
    bool open_ = false;
};

} // namespace kestrom
