#pragma once

#include <QByteArray>
#include <QString>

namespace kestrom {

// Desktop configuration files of the "[Section]" and "key=value" kind (index.theme,
// kcminputrc), edited in place so that everything else in them stays as it was.
class IniText {
public:
    // The value of key in section, trimmed; empty when missing.
    static QString Value(const QByteArray& text, const QString& section, const QString& key);
    // text with key of section set to value: the first such line is replaced, otherwise the
    // line is added at the end of the section, or the section at the end of the text.
    static QByteArray WithValue(const QByteArray& text, const QString& section, const QString& key,
                                const QString& value);
};

} // namespace kestrom
