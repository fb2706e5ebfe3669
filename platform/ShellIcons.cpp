#include "platform/ShellIcons.h"

#include "platform/AniFileDecoder.h"
#include "platform/ByteReader.h"
#include "platform/FileBytes.h"
#include "platform/IconFileDecoder.h"
#include "platform/ModuleIconReader.h"

namespace kestrom {

namespace {

constexpr qint64 kModuleLimit = 256 * 1024 * 1024;

HICON shared(std::optional<IconObject> icon) {
    return icon ? std::make_shared<const IconObject>(std::move(*icon)) : nullptr;
}

} // namespace

HICON ShellIcons::fromBytes(const QByteArray& bytes) {
    const auto data = byteSpan(bytes);
    if (AniFileDecoder::isRiff(data))
        return shared(AniFileDecoder::firstFrame(data));
    if (ModuleIconReader::isModule(data)) {
        const auto group = ModuleIconReader::firstIconGroup(data);
        return group ? shared(IconFileDecoder::decode(byteSpan(*group))) : nullptr;
    }
    return shared(IconFileDecoder::decode(data));
}

HICON ExtractIconA(const QString& fileName, unsigned index) {
    if (index != 0)
        return nullptr;
    const auto bytes = FileBytes::read(fileName, kModuleLimit);
    return bytes ? ShellIcons::fromBytes(*bytes) : nullptr;
}

} // namespace kestrom
