#include "cursors/IniText.h"

#include <QList>

namespace kestrom {

namespace {

bool isSectionLine(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

QString sectionName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    return QString::fromUtf8(t.mid(1, t.size() - 2)).trimmed();
}

bool isKeyLine(const QByteArray& line, const QString& key) {
    const qsizetype eq = line.indexOf('=');
    return eq > 0 && QString::fromUtf8(line.left(eq)).trimmed() == key;
}

} // namespace

QString IniText::Value(const QByteArray& text, const QString& section, const QString& key) {
    bool inSection = false;
    for (const QByteArray& line : text.split('\n')) {
        if (isSectionLine(line)) {
            inSection = sectionName(line) == section;
            continue;
        }
        if (inSection && isKeyLine(line, key))
            return QString::fromUtf8(line.mid(line.indexOf('=') + 1)).trimmed();
    }
    return {};
}

QByteArray IniText::WithValue(const QByteArray& text, const QString& section, const QString& key,
                              const QString& value) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    qsizetype sectionEnd = -1; // the line after the section's last non-empty line
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isSectionLine(lines[i])) {
            inSection = sectionName(lines[i]) == section;
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (isKeyLine(lines[i], key)) {
            lines[i] = entry;
            return lines.join('\n') + '\n';
        }
        if (!lines[i].trimmed().isEmpty())
            sectionEnd = i + 1;
    }
    if (sectionEnd >= 0) {
        lines.insert(sectionEnd, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section.toUtf8() + ']');
        lines.append(entry);
    }
    return lines.join('\n') + '\n';
}

} // namespace kestrom
