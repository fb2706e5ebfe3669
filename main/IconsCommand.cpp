#include "main/IconsCommand.h"

#include "formats/CursorLibrary.h"
#include "formats/EResourceError.h"
#include "formats/TResourceFile.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "messages/ErrorReporter.h"
#include "platform/EInOutError.h"
#include "platform/WinPath.h"

#include <QSaveFile>

namespace kestrom {

namespace {

const QString kUsage = QStringLiteral("Usage: kestrom icons FILE [--extract N OUT.ico]\n");

QString hex(std::uint32_t offset) {
    return QStringLiteral("0x%1").arg(offset, 0, 16);
}

} // namespace

int IconsCommand::run(const QStringList& args, Console& console) {
    const bool extracting = args.size() == 4 && args[1] == QStringLiteral("--extract");
    if (args.size() != 1 && !extracting) {
        console.writeErr(kUsage);
        return kExitBadInput;
    }
    try {
        TResourceFile file(WinPath::fromUserInput(args[0]));
        if (extracting)
            return extract(file, args[2], args[3], console);
        console.writeOut(listing(file).toUtf8());
        return kExitDone;
    } catch (const EResourceError& e) {
        console.writeErr(QStringLiteral("kestrom: %1: %2\n").arg(args[0], ExceptionText(e)));
    } catch (const EInOutError& e) {
        console.writeErr(QStringLiteral("kestrom: %1: %2\n").arg(args[0], ExceptionText(e)));
    }
    return kExitBadInput;
}

QString IconsCommand::listing(TResourceFile& file) {
    QString out;
    for (std::int32_t g = 0; g >= 0; ++g) {
        const std::uint32_t offset = file.IconGroupOffset(g);
        if (offset == 0)
            break;
        const auto entries = file.GroupEntries(offset);
        out += QStringLiteral("group %1: offset %2, %3 images\n")
                   .arg(g)
                   .arg(hex(offset))
                   .arg(file.GroupImageCount(offset));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const IconGroupEntry& e = entries[i];
            out += QStringLiteral("  image %1: %2x%3, %4 colours, %5 bits, %6 bytes, icon ID %7, "
                                  "offset %8\n")
                       .arg(i + 1)
                       .arg(e.width ? e.width : 256)
                       .arg(e.height ? e.height : 256)
                       .arg(e.colorCount)
                       .arg(e.bitCount)
                       .arg(e.bytesInRes)
                       .arg(e.iconId)
                       .arg(hex(file.IconImageOffset(static_cast<std::uint16_t>(e.iconId - 1))));
        }
    }
    return out;
}

int IconsCommand::extract(TResourceFile& file, const QString& number, const QString& target,
                          Console& console) {
    bool ok = false;
    const int n = number.toInt(&ok);
    std::uint32_t group = 0, entry = 0;
    const QByteArray icon = ok && CursorLibrary::Locate(file, n, group, entry)
                                ? file.ExtractGroupImage(group, entry)
                                : QByteArray();
    if (icon.isEmpty()) {
        console.writeErr(
            QStringLiteral("kestrom: no image %1 in %2\n").arg(number, file.FileName()));
        return kExitNothing;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(icon) != icon.size() || !out.commit()) {
        console.writeErr(
            QStringLiteral("kestrom: cannot write %1: %2\n").arg(target, out.errorString()));
        return kExitBadInput;
    }
    return kExitDone;
}

} // namespace kestrom
