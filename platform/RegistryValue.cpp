#include "platform/RegistryValue.h"

namespace kestrom {

RegValue RegValue::fromString(const QString& name, const QString& text, std::uint32_t type) {
    return {name, type, text.toUtf8()};
}

RegValue RegValue::fromDword(const QString& name, std::uint32_t number) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return {name, REG_DWORD, bytes};
}

RegValue RegValue::fromStrings(const QString& name, const QStringList& strings) {
    return {name, REG_MULTI_SZ, strings.join(QChar(u'\0')).toUtf8()};
}

RegValue RegValue::fromBytes(const QString& name, std::uint32_t type, const QByteArray& bytes) {
    return {name, type, bytes};
}

QString RegValue::text() const {
    return QString::fromUtf8(data);
}

std::uint32_t RegValue::dword() const {
    std::uint32_t number = 0;
    for (int i = 0; i < 4 && i < data.size(); ++i)
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return number;
}

QStringList RegValue::strings() const {
    if (data.isEmpty())
        return {};
    return QString::fromUtf8(data).split(QChar(u'\0'));
}

} // namespace kestrom
