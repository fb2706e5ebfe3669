// libFuzzer target for the desktop configuration files Kestrom edits (index.theme,
// kcminputrc): any text must read and edit without fault, and an edit must read back.
#include "cursors/IniText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString section = QStringLiteral("Mouse");
    const QString key = QStringLiteral("cursorTheme");
    kestrom::IniText::Value(text, section, key);
    const QByteArray edited =
        kestrom::IniText::WithValue(text, section, key, QStringLiteral("Kestrom"));
    if (kestrom::IniText::Value(edited, section, key) != QStringLiteral("Kestrom"))
        std::abort();
    return 0;
}
