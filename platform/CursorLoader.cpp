#include "platform/CursorLoader.h"

#include "platform/AniFileDecoder.h"
#include "platform/ByteReader.h"
#include "platform/FileBytes.h"
#include "platform/IconFileDecoder.h"

#include <QDirIterator>
#include <QFileInfo>

namespace kestrom {

namespace {

HCURSOR animated(const AniAnimation& animation) {
    auto cursor = std::make_shared<CursorObject>();
    cursor->steps.reserve(animation.steps.size());
    for (const AniAnimation::Step& step : animation.steps)
        cursor->steps.push_back({animation.frames[step.frame], step.jiffies});
    return cursor;
}

} // namespace

HCURSOR CursorLoader::fromBytes(const QByteArray& bytes) {
    if (AniFileDecoder::isRiff(byteSpan(bytes))) {
        const auto animation = AniFileDecoder::decode(byteSpan(bytes));
        return animation ? animated(*animation) : nullptr;
    }
    auto still = IconFileDecoder::decode(byteSpan(bytes));
    if (!still)
        return nullptr;
    auto cursor = std::make_shared<CursorObject>();
    cursor->steps.push_back({std::move(*still), 0});
    return cursor;
}

QString CursorLoader::resourcePath(const QString& resourceName) {
    if (resourceName.isEmpty())
        return {};
    QDirIterator it(QStringLiteral(":/kestrom"), QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).completeBaseName().compare(resourceName, Qt::CaseInsensitive) == 0)
            return path;
    }
    return {};
}

HCURSOR LoadCursorFromFileA(const QString& fileName) {
    const auto bytes = FileBytes::read(fileName, FileBytes::kCursorLimit);
    return bytes ? CursorLoader::fromBytes(*bytes) : nullptr;
}

HCURSOR LoadCursorA(const QString& resourceName) {
    const QString path = CursorLoader::resourcePath(resourceName);
    if (path.isEmpty())
        return nullptr;
    const auto bytes = FileBytes::readHost(path, FileBytes::kCursorLimit);
    return bytes ? CursorLoader::fromBytes(*bytes) : nullptr;
}

} // namespace kestrom
