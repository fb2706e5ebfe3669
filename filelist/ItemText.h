#pragma once

#include <QString>

namespace kestrom {

// The fields packed into a file list item's text: kind letter, 15-character sort key, stored
// name, "|", icon character, then fixed-width numbers.
class ItemText {
public:
    static constexpr int kKeyLength = 15;
    static constexpr int kNameStart = 16;

    // |n| in decimal, left-padded with "0" to at least width; a negative n has "-" in place of
    // the first character.
    static QString PadNumber(qint64 n, int width);
    // The number in text at offset, width characters; 0 when it does not read as one.
    static int NumberAt(const QString& text, qsizetype offset, int width);

    // Offset of the "|" that ends the stored name, -1 if none. The fields after it have a
    // fixed width, so it is found from the end: a host name may itself hold "|".
    static qsizetype Bar(const QString& text);
    // The number of width digits at offset past the bar; 0 for a text without one.
    static int FieldAfterBar(const QString& text, qsizetype offset, int width);
    static QChar Kind(const QString& text);
    static QString StoredName(const QString& text);
    static int Icon(const QString& text);
    static int Attr(const QString& text);
    static int Time(const QString& text);
    static int Size(const QString& text);
    static int Open(const QString& text);
    static int Level(const QString& text);
    // The sort key, offsets 1 to 15.
    static QString Key(const QString& text);

    // The name's extension including its dot, after the last backslash, colon or dot.
    static QString ExtractFileExt(const QString& name);
};

} // namespace kestrom
