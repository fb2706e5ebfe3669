#include "formats/PlayAni.h"

#include "formats/AniStepReader.h"
#include "messages/ErrorReporter.h"
#include "platform/ByteReader.h"
#include "platform/EInOutError.h"
#include "platform/FileBytes.h"
#include "platform/TBitmap.h"
#include "platform/TCanvas.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

namespace kestrom {

namespace {

constexpr qint64 kReadPastEnd = 100;
constexpr int kSide = 32;

bool fileExists(const QString& fileName) {
    const HostLocation where = WinPath::toHost(fileName);
    return where.error == 0 && where.exists && QFileInfo(where.hostPath).isFile();
}

std::optional<QByteArray> sourceBytes(QIODevice& source) {
    if (!source.seek(0))
        return std::nullopt;
    QByteArray bytes = source.read(FileBytes::kCursorLimit + 1);
    if (bytes.size() > FileBytes::kCursorLimit)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> fileBytes(const QString& fileName) {
    QFile file(WinPath::toHost(fileName).hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportException(EInOutError(
            file.error() == QFileDevice::PermissionsError ? kErrorAccessDenied : kErrorReadFault));
        return std::nullopt;
    }
    QByteArray bytes = file.read(FileBytes::kCursorLimit + 1);
    if (bytes.size() > FileBytes::kCursorLimit)
        return std::nullopt;
    return bytes;
}

} // namespace

AniChain LoadAniSteps(const QString& FileName, QIODevice* Source) {
    if (!fileExists(FileName))
        return nullptr;
    const std::optional<QByteArray> bytes = Source ? sourceBytes(*Source) : fileBytes(FileName);
    if (!bytes)
        return nullptr;
    AniStepReader reader(byteSpan(*bytes));
    AniChain chain = reader.read();
    // A stream read past its end is a failed read: said once, the walk went on with zeros.
    if (Source && reader.readPastEnd())
        ReportException(EInOutError(kReadPastEnd));
    return chain;
}

void DrawNextAniStep(TBitmap& Backdrop, const QString& FileName, std::int32_t& Counter,
                     const AniStep* Steps, TCanvas& Canvas, int X, int Y, bool DrawFrame) {
    if (!fileExists(FileName))
        return;
    if (Backdrop.Width() != kSide || Backdrop.Height() != kSide)
        Backdrop.SetSize(kSide, kSide);
    TBitmap work(kSide, kSide);
    if (DrawFrame)
        Canvas.Rectangle(X, Y, X + kSide, Y + kSide);
    work.Canvas().BitBlt(0, 0, kSide, kSide, Backdrop.Canvas(), 0, 0, TCopyMode::cmSrcCopy);

    const AniStep* step = Steps;
    for (std::int32_t i = 0; i < Counter && step; ++i)
        step = step->Next.get();
    ++Counter;
    if (!step) {
        step = Steps;
        Counter = 1;
    }
    // A record without an image (a chain built elsewhere) shows the backdrop alone.
    if (step && step->Icon)
        work.Canvas().DrawIcon(0, 0, *step->Icon);
    Canvas.BitBlt(X, Y, kSide, kSide, work.Canvas(), 0, 0, TCopyMode::cmSrcCopy);
}

} // namespace kestrom
