#include "settings/TRegIniFile.h"

#include "platform/ERegistryError.h"
#include "platform/RegistryHive.h"

#include <limits>

namespace kestrom {

TRegIniFile::TRegIniFile(const QString& path) {
    if (!OpenKey(path, true))
        SetCurrentPath(path);
}

QString TRegIniFile::ReadString(const QString& section, const QString& ident,
                                const QString& def) const {
    const QString key = join(CurrentPath(), section);
    const auto value = hive().value(key, ident);
    if (!value)
        return def;
    if (!value->isText())
        throw ERegistryError(QStringLiteral("Invalid data type for \"%1\" in %2").arg(ident, key));
    return value->text();
}

void TRegIniFile::WriteString(const QString& section, const QString& ident, const QString& text) {
    hive().setValue(join(CurrentPath(), section), RegValue::fromString(ident, text));
}

bool TRegIniFile::ParseInteger(const QString& text, int* number) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    if (i == t.size())
        return false;
    for (qsizetype j = i; j < t.size(); ++j) {
        if (t[j] < u'0' || t[j] > u'9')
            return false;
    }
    bool ok = false;
    const qlonglong wide = t.toLongLong(&ok, 10);
    if (!ok || wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max())
        return false;
    *number = static_cast<int>(wide);
    return true;
}

int TRegIniFile::ReadInteger(const QString& section, const QString& ident, int def) const {
    int number = def;
    return ParseInteger(ReadString(section, ident, QString()), &number) ? number : def;
}

int TRegIniFile::ReadIntegerOrHex(const QString& section, const QString& ident, int def) const {
    const QString text = ReadString(section, ident, QString()).trimmed();
    if (text.size() > 2 &&
        (text.startsWith(QStringLiteral("0x")) || text.startsWith(QStringLiteral("0X")))) {
        bool ok = false;
        const uint number = text.mid(2).toUInt(&ok, 16);
        return ok ? static_cast<int>(number) : def;
    }
    int number = def;
    return ParseInteger(text, &number) ? number : def;
}

void TRegIniFile::WriteInteger(const QString& section, const QString& ident, int value) {
    WriteString(section, ident, QString::number(value));
}

bool TRegIniFile::ReadBool(const QString& section, const QString& ident, bool def) const {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const QString& section, const QString& ident, bool value) {
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TRegIniFile::DeleteKey(const QString& section, const QString& ident) {
    const QString key = join(CurrentPath(), section);
    if (hive().keyExists(key))
        hive().deleteValue(key, ident);
}

} // namespace kestrom
