// Writes the generated part of the seed corpora: make_fuzz_seeds FOLDER (the fuzz/seeds folder).
#include "tests/formats/ModuleWriter.h"
#include "tests/support/AniFileWriter.h"
#include "tests/support/IconFileWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

using namespace kestrom::test;
using Kind = ModuleWriter::Kind;

void put(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    QFile f(folder + u'/' + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
}

QByteArray cursor1bit() {
    IconFileWriter::Entry e;
    e.data = IconFileWriter::dib(8, 8, 1, std::vector<std::uint32_t>(64, 1),
                                 std::vector<bool>(64, true), {0, 0xFFFFFF});
    e.width = e.height = 8;
    e.planes = 3;
    e.bitCount = 4;
    return IconFileWriter::file(2, {e});
}

QByteArray mixedIcon() {
    QImage png(8, 8, QImage::Format_ARGB32);
    png.fill(qRgba(1, 2, 3, 128));
    IconFileWriter::Entry a, b, c;
    a.data = IconFileWriter::png(png);
    a.width = a.height = 8;
    b.data = IconFileWriter::solidDib(4, 4, 24, 0x123456);
    b.width = b.height = 4;
    c.data = IconFileWriter::solidDib(3, 3, 32, 0x80ABCDEF);
    c.width = c.height = 3;
    return IconFileWriter::file(1, {a, b, c});
}

QByteArray small(std::uint32_t index) {
    IconFileWriter::Entry e;
    e.data = IconFileWriter::solidDib(4, 4, 4, index);
    e.width = e.height = 4;
    return IconFileWriter::file(1, {e});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString icons = root + QStringLiteral("/icon_file");
    put(icons, QStringLiteral("small-4bit.ico"), small(3));
    put(icons, QStringLiteral("cursor-1bit.cur"), cursor1bit());
    put(icons, QStringLiteral("png-24-32.ico"), mixedIcon());

    using A = AniFileWriter;
    const QByteArray frames = A::frameList({small(1), small(2), cursor1bit()});
    const QByteArray info = A::list("INFO", A::chunk("INAM", "Odd"));
    const QList<std::pair<QString, QList<QByteArray>>> anis = {
        {QStringLiteral("header-rate-seq-frames.ani"),
         {A::header(3, 4), A::values("rate", {1, 2, 3, 4}), A::values("seq ", {0, 1, 2, 1}),
          frames}},
        {QStringLiteral("info-header-frames.ani"), {info, A::header(3, 3), frames}},
        {QStringLiteral("header-seq-frames.ani"),
         {A::header(3, 3), A::values("seq ", {2, 0, 1}), frames}},
        {QStringLiteral("frames-first.ani"), {frames, A::header(3, 3), A::chunk("zzzz", "odd")}},
        {QStringLiteral("odd-png-frame.ani"),
         {A::header(1, 1), A::frameList({mixedIcon() + "x"})}}};
    for (const auto& [name, chunks] : anis) {
        put(root + QStringLiteral("/ani_file"), name, A::riff(chunks));
        put(root + QStringLiteral("/ani_steps"), name, A::riff(chunks));
    }

    const QList<IconGroupSpec> groups = {{QStringLiteral("NAMED"), 0, {small(1)}},
                                         {QString(), 5, {small(2), small(3)}}};
    const QString modules = root + QStringLiteral("/module");
    put(modules, QStringLiteral("pe32.dll"), ModuleWriter::module(Kind::Pe32, groups));
    put(modules, QStringLiteral("pe32plus.dll"), ModuleWriter::module(Kind::Pe32Plus, groups));
    put(modules, QStringLiteral("ne.dll"), ModuleWriter::module(Kind::Ne, groups));
    put(modules, QStringLiteral("no-resources.exe"), ModuleWriter::peWithoutResources());
    return 0;
}
