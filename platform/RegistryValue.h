#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace kestrom {

enum RegType : std::uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
};

// One named value of a key. Strings are kept as UTF-8 (REG_MULTI_SZ: the strings joined by
// NUL), a DWORD as four little-endian bytes, anything else as the raw bytes.
struct RegValue {
    QString name; // empty: the key's unnamed default value
    std::uint32_t type = REG_SZ;
    QByteArray data;

    static RegValue fromString(const QString& name, const QString& text,
                               std::uint32_t type = REG_SZ);
    static RegValue fromDword(const QString& name, std::uint32_t number);
    static RegValue fromStrings(const QString& name, const QStringList& strings);
    static RegValue fromBytes(const QString& name, std::uint32_t type, const QByteArray& bytes);

    bool isText() const { return type == REG_SZ || type == REG_EXPAND_SZ; }
    QString text() const;
    std::uint32_t dword() const;
    QStringList strings() const;

    bool operator==(const RegValue&) const = default;
};

} // namespace kestrom
