#include "filelist/ItemText.h"

namespace kestrom {

QString ItemText::PadNumber(qint64 n, int width) {
    const qint64 magnitude = n < 0 ? -n : n;
    QString digits = QString::number(magnitude);
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), u'0'));
    if (n < 0)
        digits[0] = u'-';
    return digits;
}

int ItemText::NumberAt(const QString& text, qsizetype offset, int width) {
    if (offset < 0 || offset >= text.size())
        return 0;
    bool ok = false;
    const qint64 value = QStringView(text).mid(offset, width).toLongLong(&ok);
    return ok ? static_cast<int>(value) : 0;
}

qsizetype ItemText::Bar(const QString& text) {
    const qsizetype n = text.size();
    constexpr qsizetype kFileTail = 32;    // "|", icon, 6 + 11 + 11 + 1 + 1 digits
    constexpr qsizetype kArchiveTail = 44; // "|", icon, 11 + 11 + 11 + 3 + 6 digits
    if (n >= kNameStart + kFileTail && text[n - kFileTail] == u'|')
        return n - kFileTail;
    if (n >= kNameStart + kArchiveTail && text[n - kArchiveTail] == u'|')
        return n - kArchiveTail;
    return text.indexOf(u'|');
}

QChar ItemText::Kind(const QString& text) {
    return text.isEmpty() ? QChar() : text[0];
}

QString ItemText::StoredName(const QString& text) {
    const qsizetype bar = Bar(text);
    if (bar < kNameStart)
        return {};
    return text.mid(kNameStart, bar - kNameStart);
}

int ItemText::FieldAfterBar(const QString& text, qsizetype offset, int width) {
    const qsizetype bar = Bar(text);
    return bar < 0 ? 0 : NumberAt(text, bar + offset, width);
}

int ItemText::Icon(const QString& text) {
    const qsizetype bar = Bar(text);
    return bar >= 0 && bar + 1 < text.size() ? text[bar + 1].unicode() : 0;
}

int ItemText::Attr(const QString& text) {
    return FieldAfterBar(text, 2, 6);
}

int ItemText::Time(const QString& text) {
    return FieldAfterBar(text, 8, 11);
}

int ItemText::Size(const QString& text) {
    return FieldAfterBar(text, 19, 11);
}

int ItemText::Open(const QString& text) {
    return FieldAfterBar(text, 30, 1);
}

int ItemText::Level(const QString& text) {
    return FieldAfterBar(text, 31, 1);
}

QString ItemText::Key(const QString& text) {
    return text.mid(1, kKeyLength);
}

QString ItemText::ExtractFileExt(const QString& name) {
    for (qsizetype i = name.size() - 1; i >= 0; --i) {
        const QChar c = name[i];
        if (c == u'.')
            return name.mid(i);
        if (c == u'\\' || c == u':')
            break;
    }
    return {};
}

} // namespace kestrom
