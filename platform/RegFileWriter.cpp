#include "platform/RegFileWriter.h"

#include "platform/RegistryHive.h"

namespace kestrom {

namespace {

constexpr int kLineWidth = 80;

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

// Text that a quoted string can carry as it is: no line breaks or other control characters.
bool isPlainText(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t')
            return false;
    }
    return true;
}

QString joinPath(const QString& path, const QString& name) {
    return path.isEmpty() ? name : path + u'\\' + name;
}

} // namespace

RegFileWriter::RegFileWriter(RegFileFormat format) : format_(format) {}

QByteArray RegFileWriter::encodeStrings(const QStringList& strings, bool listTerminator) const {
    QByteArray bytes;
    const auto terminate = [&] {
        bytes.append(format_ == RegFileFormat::Version5 ? QByteArray(2, '\0')
                                                        : QByteArray(1, '\0'));
    };
    for (const QString& s : strings) {
        if (format_ == RegFileFormat::Version5) {
            for (QChar c : s) {
                bytes.append(static_cast<char>(c.unicode() & 0xFF));
                bytes.append(static_cast<char>(c.unicode() >> 8));
            }
        } else {
            bytes.append(s.toUtf8());
        }
        terminate();
    }
    if (listTerminator)
        terminate();
    return bytes;
}

QString RegFileWriter::valueLine(const RegValue& value) const {
    QString line = value.name.isEmpty() ? QStringLiteral("@=") : quoted(value.name) + u'=';
    QString prefix;
    QByteArray bytes;
    if (value.type == REG_SZ && isPlainText(value.text()))
        return line + quoted(value.text());
    if (value.type == REG_DWORD && value.data.size() == 4)
        return line + QStringLiteral("dword:%1").arg(value.dword(), 8, 16, QChar(u'0'));
    if (value.type == REG_BINARY) {
        prefix = QStringLiteral("hex:");
        bytes = value.data;
    } else {
        prefix = QStringLiteral("hex(%1):").arg(value.type, 0, 16);
        if (value.isText())
            bytes = encodeStrings({value.text()}, false);
        else if (value.type == REG_MULTI_SZ)
            bytes = encodeStrings(value.strings(), true);
        else
            bytes = value.data;
    }
    line += prefix;
    qsizetype width = line.size();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        line += QStringLiteral("%1").arg(static_cast<unsigned char>(bytes[i]), 2, 16, QChar(u'0'));
        width += 2;
        if (i + 1 < bytes.size()) {
            line += u',';
            ++width;
            if (width > kLineWidth - 4) {
                line += QStringLiteral("\\\r\n  ");
                width = 2;
            }
        }
    }
    return line;
}

void RegFileWriter::addTree(RegistryHive& hive, RegRoot root, const QString& path,
                            bool withSection) {
    const QStringList values = hive.valueNames(path);
    if (withSection || !values.isEmpty()) {
        ++sections_;
        body_ += u'[' + joinPath(Registry::rootName(root), path) + QStringLiteral("]\r\n");
        for (const QString& name : values) {
            if (const auto value = hive.value(path, name))
                body_ += valueLine(*value) + QStringLiteral("\r\n");
        }
        body_ += QStringLiteral("\r\n");
    }
    for (const QString& sub : hive.subKeyNames(path))
        addTree(hive, root, joinPath(path, sub), true);
}

bool RegFileWriter::addKey(RegRoot root, const QString& path) {
    RegistryHive& hive = Registry::hive(root);
    const auto stored = hive.storedPath(path);
    if (!stored)
        return false;
    addTree(hive, root, *stored, true);
    return true;
}

void RegFileWriter::addRoot(RegRoot root) {
    addTree(Registry::hive(root), root, QString(), false);
}

QString RegFileWriter::text() const {
    const QString header = format_ == RegFileFormat::Version5
                               ? QStringLiteral("Windows Registry Editor Version 5.00")
                               : QStringLiteral("REGEDIT4");
    return header + QStringLiteral("\r\n\r\n") + body_;
}

QByteArray RegFileWriter::bytes() const {
    const QString all = text();
    if (format_ == RegFileFormat::Regedit4)
        return all.toUtf8();
    QByteArray out("\xFF\xFE", 2);
    for (QChar c : all) {
        out.append(static_cast<char>(c.unicode() & 0xFF));
        out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

} // namespace kestrom
