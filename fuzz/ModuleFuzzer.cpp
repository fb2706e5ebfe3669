// PE and NE modules: the resource reader and library walk, and the shell's first icon group.
#include "formats/CursorLibrary.h"
#include "formats/EResourceError.h"
#include "formats/TResourceFile.h"
#include "platform/EInOutError.h"
#include "platform/IconFileDecoder.h"
#include "platform/ModuleIconReader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString folder;

void walk(const QString& path) {
    kestrom::TResourceFile file(path);
    for (std::int32_t g = 0; g < 32; ++g) {
        const std::uint32_t group = file.IconGroupOffset(g);
        if (group == 0)
            break;
        const auto entries = file.GroupEntries(group);
        for (std::uint32_t j = 1; j <= entries.size() && j <= 16; ++j)
            file.ExtractGroupImage(group, j);
    }
    for (std::uint16_t n = 0; n < 4; ++n)
        file.IconImageOffset(n);
    std::uint32_t group = 0, entry = 0;
    kestrom::CursorLibrary::Locate(file, 14, group, entry);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The module files live on a drive of their own.
    folder = QDir::tempPath() + QStringLiteral("/kestrom-fuzz-%1").arg(::getpid());
    QDir().mkpath(folder);
    qputenv("KESTROM_DRIVES", QStringLiteral("C=%1:3").arg(folder).toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto group = kestrom::ModuleIconReader::firstIconGroup(bytes)) {
        kestrom::IconFileDecoder::decode({reinterpret_cast<const std::uint8_t*>(group->constData()),
                                          static_cast<std::size_t>(group->size())});
    }
    QFile out(folder + QStringLiteral("/m.dll"));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    out.close();
    try {
        walk(QStringLiteral("C:\\m.dll"));
    } catch (const kestrom::EResourceError&) {
        // The reader's own verdict on a broken module.
    } catch (const kestrom::EInOutError&) {
        // A resource table cut short.
    }
    return 0;
}
