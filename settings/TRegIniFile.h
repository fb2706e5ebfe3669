#pragma once

#include "settings/TRegistry.h"

namespace kestrom {

// An ini-style view of one key: a section is a sub-key, an ident a value name. Reads never
// fail (anything absent reads as the default); a failed write, or a value of a non-string
// type, raises ERegistryError naming it.
class TRegIniFile : public TRegistry {
public:
    // The key path under HKEY_CURRENT_USER, created if missing.
    explicit TRegIniFile(const QString& path);

    // Empty section: the current key; empty ident: the key's unnamed default value.
    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    void WriteString(const QString& section, const QString& ident, const QString& text);
    // The string as a decimal integer; missing or not a number gives def.
    int ReadInteger(const QString& section, const QString& ident, int def) const;
    // ReadInteger that also takes a text of more than two characters starting "0x" or "0X" as
    // hexadecimal.
    int ReadIntegerOrHex(const QString& section, const QString& ident, int def) const;
    void WriteInteger(const QString& section, const QString& ident, int value);
    bool ReadBool(const QString& section, const QString& ident, bool def) const;
    void WriteBool(const QString& section, const QString& ident, bool value);
    // Deletes value ident of section; nothing when the section is missing.
    void DeleteKey(const QString& section, const QString& ident);

    // Decimal text with an optional sign, as ReadInteger takes it.
    static bool ParseInteger(const QString& text, int* number);
};

} // namespace kestrom
