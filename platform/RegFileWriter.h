#pragma once

#include "platform/RegFileFormat.h"
#include "platform/Registry.h"
#include "platform/RegistryValue.h"

#include <QByteArray>
#include <QString>

namespace kestrom {

// Writes keys in the registry's text format, each key followed by its sub-keys in listing
// order, as the registry editor exports them.
class RegFileWriter {
public:
    explicit RegFileWriter(RegFileFormat format);

    // Adds key and everything below it; false when the key is not there.
    bool addKey(RegRoot root, const QString& path);
    // Adds the whole root (its own section only when it holds values).
    void addRoot(RegRoot root);

    bool isEmpty() const { return sections_ == 0; }
    QString text() const;
    QByteArray bytes() const;

    // One value line ("name"=data), wrapped as the registry editor wraps hex data.
    QString valueLine(const RegValue& value) const;

private:
    void addTree(RegistryHive& hive, RegRoot root, const QString& path, bool withSection);
    QByteArray encodeStrings(const QStringList& strings, bool listTerminator) const;

    RegFileFormat format_;
    QString body_;
    int sections_ = 0;
};

} // namespace kestrom
