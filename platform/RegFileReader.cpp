#include "platform/RegFileReader.h"

#include "platform/RegistryHive.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace kestrom {

namespace {

struct LogicalLine {
    int number;
    QString text;
};

// Whether a line's last backslash is outside quotes, which continues it on the next line.
bool continues(const QString& line) {
    if (!line.endsWith(u'\\'))
        return false;
    bool inQuotes = false;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        if (inQuotes && line[i] == u'\\') {
            ++i;
            continue;
        }
        if (line[i] == u'"')
            inQuotes = !inQuotes;
    }
    return !inQuotes;
}

std::vector<LogicalLine> logicalLines(const QString& text) {
    QString all = text;
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList physical = all.split(u'\n');
    std::vector<LogicalLine> lines;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        LogicalLine line{static_cast<int>(i + 1), physical[i].trimmed()};
        while (continues(line.text) && i + 1 < physical.size()) {
            line.text.chop(1);
            line.text += physical[++i].trimmed();
        }
        lines.push_back(line);
    }
    return lines;
}

class LineParser {
public:
    LineParser(const LogicalLine& line, RegFileFormat format)
        : line_(line), text_(line.text), format_(format) {}

    // A quoted string from pos: escapes \\ and \" stand for themselves.
    QString quotedString() {
        expect(u'"');
        QString out;
        while (pos_ < text_.size() && text_[pos_] != u'"') {
            if (text_[pos_] == u'\\' && pos_ + 1 < text_.size())
                ++pos_;
            out += text_[pos_++];
        }
        expect(u'"');
        return out;
    }

    RegFileChange value(const RegKeyPath& key) {
        RegFileChange change{RegFileChange::Kind::SetValue, key, {}};
        if (text_.startsWith(u'@')) {
            ++pos_;
        } else {
            change.value.name = quotedString();
        }
        skipBlanks();
        expect(u'=');
        skipBlanks();
        const QString rest = text_.mid(pos_);
        if (rest == QStringLiteral("-")) {
            change.kind = RegFileChange::Kind::DeleteValue;
        } else if (rest.startsWith(u'"')) {
            change.value = RegValue::fromString(change.value.name, quotedString());
            skipBlanks();
            if (pos_ != text_.size())
                fail(QStringLiteral("unexpected text after the string"));
        } else if (rest.startsWith(QStringLiteral("dword:"), Qt::CaseInsensitive)) {
            change.value = RegValue::fromDword(change.value.name, dword(rest.mid(6)));
        } else if (rest.startsWith(QStringLiteral("hex"), Qt::CaseInsensitive)) {
            change.value = hexValue(change.value.name, rest.mid(3));
        } else {
            fail(QStringLiteral("unknown value type"));
        }
        return change;
    }

    [[noreturn]] void fail(const QString& message) const {
        throw ERegFileError(line_.number, message);
    }

private:
    void expect(QChar c) {
        if (pos_ >= text_.size() || text_[pos_] != c)
            fail(QStringLiteral("expected %1").arg(c));
        ++pos_;
    }

    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    std::uint32_t dword(const QString& digits) const {
        bool ok = false;
        const QString trimmed = digits.trimmed();
        const unsigned long number = trimmed.toULong(&ok, 16);
        if (!ok || trimmed.isEmpty() || trimmed.size() > 8)
            fail(QStringLiteral("a dword takes up to eight hex digits"));
        return static_cast<std::uint32_t>(number);
    }

    QByteArray hexBytes(const QString& list) const {
        QByteArray bytes;
        for (const QString& item : list.split(u',')) {
            const QString digits = item.trimmed();
            if (digits.isEmpty())
                continue;
            bool ok = false;
            const uint byte = digits.toUInt(&ok, 16);
            if (!ok || digits.size() > 2)
                fail(QStringLiteral("bad hex byte \"%1\"").arg(digits));
            bytes.append(static_cast<char>(byte));
        }
        return bytes;
    }

    QString decodeText(const QByteArray& bytes) const {
        if (format_ == RegFileFormat::Version5) {
            QString out;
            for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
                out += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                   static_cast<unsigned char>(bytes[i + 1]) << 8));
            return out;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(bytes);
        return utf8.hasError() ? QString::fromLatin1(bytes) : text;
    }

    RegValue hexValue(const QString& name, const QString& rest) const {
        std::uint32_t type = REG_BINARY;
        QString list = rest;
        if (list.startsWith(u'(')) {
            const qsizetype close = list.indexOf(u')');
            bool ok = false;
            type = close > 1 ? list.mid(1, close - 1).toUInt(&ok, 16) : 0;
            if (!ok)
                fail(QStringLiteral("bad hex(type)"));
            list = list.mid(close + 1);
        }
        if (!list.startsWith(u':'))
            fail(QStringLiteral("expected :"));
        const QByteArray bytes = hexBytes(list.mid(1));
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            const QString text = decodeText(bytes);
            return RegValue::fromString(name, text.left(text.indexOf(QChar(u'\0'))), type);
        }
        if (type == REG_MULTI_SZ) {
            QStringList strings = decodeText(bytes).split(QChar(u'\0'));
            while (!strings.isEmpty() && strings.back().isEmpty())
                strings.removeLast();
            return RegValue::fromStrings(name, strings);
        }
        return RegValue::fromBytes(name, type, bytes);
    }

    const LogicalLine& line_;
    const QString& text_;
    RegFileFormat format_;
    qsizetype pos_ = 0;
};

} // namespace

ERegFileError::ERegFileError(int line, const QString& message)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString()),
      line_(line), message_(message) {}

QString RegFileReader::decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

std::vector<RegFileChange> RegFileReader::parse(const QByteArray& bytes) {
    const std::vector<LogicalLine> lines = logicalLines(decode(bytes));
    std::vector<RegFileChange> changes;
    std::optional<RegFileFormat> format;
    std::optional<RegKeyPath> key;
    for (const LogicalLine& line : lines) {
        const QString& text = line.text;
        if (text.isEmpty() || text.startsWith(u';'))
            continue;
        if (!format) {
            if (text == QStringLiteral("REGEDIT4"))
                format = RegFileFormat::Regedit4;
            else if (text == QStringLiteral("Windows Registry Editor Version 5.00"))
                format = RegFileFormat::Version5;
            else
                throw ERegFileError(line.number, QStringLiteral("not a registry file"));
            continue;
        }
        if (text.startsWith(u'[')) {
            if (!text.endsWith(u']'))
                throw ERegFileError(line.number, QStringLiteral("a key line ends with ]"));
            const bool remove = text.startsWith(QStringLiteral("[-"));
            const QString name = text.mid(remove ? 2 : 1, text.size() - (remove ? 3 : 2));
            key = Registry::parseKeyPath(name);
            if (!key)
                throw ERegFileError(line.number,
                                    QStringLiteral("unsupported key \"%1\"").arg(name));
            changes.push_back(
                {remove ? RegFileChange::Kind::DeleteKey : RegFileChange::Kind::CreateKey,
                 *key,
                 {}});
            if (remove)
                key.reset();
            continue;
        }
        LineParser parser(line, *format);
        if (!key)
            parser.fail(QStringLiteral("a value outside of a key"));
        if (!text.startsWith(u'@') && !text.startsWith(u'"'))
            parser.fail(QStringLiteral("not a value line"));
        changes.push_back(parser.value(*key));
    }
    if (!format)
        throw ERegFileError(1, QStringLiteral("not a registry file"));
    return changes;
}

void RegFileReader::import(const QByteArray& bytes) {
    const std::vector<RegFileChange> changes = parse(bytes);
    for (RegRoot root : {RegRoot::CurrentUser, RegRoot::LocalMachine}) {
        const bool touched =
            std::any_of(changes.begin(), changes.end(),
                        [&](const RegFileChange& c) { return c.key.root == root; });
        if (!touched)
            continue;
        RegistryHive& hive = Registry::hive(root);
        hive.transaction([&] {
            for (const RegFileChange& change : changes) {
                if (change.key.root != root)
                    continue;
                switch (change.kind) {
                case RegFileChange::Kind::CreateKey:
                    hive.createKey(change.key.path);
                    break;
                case RegFileChange::Kind::DeleteKey:
                    hive.deleteKey(change.key.path);
                    break;
                case RegFileChange::Kind::SetValue:
                    hive.setValue(change.key.path, change.value);
                    break;
                case RegFileChange::Kind::DeleteValue:
                    hive.deleteValue(change.key.path, change.value.name);
                    break;
                }
            }
        });
    }
}

} // namespace kestrom
