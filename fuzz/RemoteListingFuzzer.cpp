#include "filelist/ExtensionGroups.h"
#include "filelist/RemoteListingLine.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstddef>
#include <cstdint>

// Every line of a saved remote listing must parse to an entry or a clean failure.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kestrom::TExtStringList groups = kestrom::ExtensionGroups::Create();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : bytes.split('\n')) {
        const kestrom::RemoteListingLine entry = kestrom::RemoteListingLine::Parse(
            QString::fromLocal8Bit(line), QDate(2026, 12, 11), groups);
        if (entry.listed && entry.name.isEmpty())
            __builtin_trap();
    }
    return 0;
}
