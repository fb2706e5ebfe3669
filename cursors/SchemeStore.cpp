#include "cursors/SchemeStore.h"

#include "platform/ERegistryError.h"
#include "settings/TRegIniFile.h"

namespace kestrom {

namespace {

const QString kVersionKey = QStringLiteral("software\\microsoft\\windows\\currentversion");
const QString kVersionCursorsKey =
    QStringLiteral("software\\microsoft\\windows\\currentversion\\Control Panel\\Cursors");

void appendValueNames(TRegistry& reg, const QString& key, QStringList& names) {
    QStringList subKeys;
    reg.GetKeyNames(subKeys);
    reg.CloseKey();
    for (const QString& sub : subKeys) {
        if (sub.toUpper() != QStringLiteral("SCHEMES"))
            continue;
        if (!reg.OpenKey(key + u'\\' + sub, false))
            continue;
        QStringList values;
        reg.GetValueNames(values);
        reg.CloseKey();
        names += values;
    }
}

// The machine-wide place through the ini view, as saving and deleting address it.
bool openMachinePlace(TRegIniFile& ini) {
    ini.SetRootKey(RegRoot::LocalMachine);
    return ini.OpenKey(kVersionCursorsKey, false);
}

} // namespace

const QString SchemeStore::kMachineKey =
    QStringLiteral("software\\microsoft\\windows\\currentversion\\control panel\\cursors");
const QString SchemeStore::kUserKey = QStringLiteral("control panel\\cursors");

QStringList SchemeStore::List(bool& schemesInUserKey) {
    TRegistry reg;
    QStringList names;
    reg.SetRootKey(RegRoot::LocalMachine);
    if (reg.OpenKey(kMachineKey, false)) {
        schemesInUserKey = false;
        appendValueNames(reg, kMachineKey, names);
        return names;
    }
    // With neither place there yet (a fresh host), schemes go to the per-user place, which
    // saving creates; the machine-wide one would refuse every save.
    schemesInUserKey = true;
    reg.SetRootKey(RegRoot::CurrentUser);
    if (reg.OpenKey(kUserKey, false))
        appendValueNames(reg, kUserKey, names);
    return names;
}

QString SchemeStore::ReadText(const QString& name) {
    TRegIniFile ini(kVersionKey);
    if (!openMachinePlace(ini)) {
        ini.SetRootKey(RegRoot::CurrentUser);
        if (!ini.OpenKey(QStringLiteral("Control Panel\\Cursors"), false))
            return {};
    }
    try {
        return ini.ReadString(QStringLiteral("Schemes"), name, QString());
    } catch (const ERegistryError&) {
        return {}; // data of another type is no scheme text
    }
}

bool SchemeStore::Write(bool schemesInUserKey, const QString& name, const QString& text) {
    if (schemesInUserKey) {
        TRegIniFile(QStringLiteral("Control Panel\\Cursors"))
            .WriteString(QStringLiteral("Schemes"), name, text);
        return true;
    }
    TRegIniFile ini(kVersionKey);
    if (!openMachinePlace(ini))
        return false;
    ini.WriteString(QStringLiteral("Schemes"), name, text);
    return true;
}

bool SchemeStore::Delete(bool schemesInUserKey, const QString& name) {
    if (schemesInUserKey) {
        TRegIniFile(QStringLiteral("Control Panel\\Cursors"))
            .DeleteKey(QStringLiteral("schemes"), name);
        return true;
    }
    TRegIniFile ini(kVersionKey);
    if (!openMachinePlace(ini))
        return false;
    ini.DeleteKey(QStringLiteral("schemes"), name);
    return true;
}

} // namespace kestrom
