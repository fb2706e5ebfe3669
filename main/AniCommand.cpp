#include "main/AniCommand.h"

#include "formats/PlayAni.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "platform/WinPath.h"

#include <algorithm>

namespace kestrom {

int AniCommand::run(const QStringList& args, Console& console) {
    if (args.size() != 1) {
        console.writeErr(QStringLiteral("Usage: kestrom ani FILE\n"));
        return kExitBadInput;
    }
    const AniChain chain = LoadAniSteps(WinPath::fromUserInput(args[0]));
    if (!chain) {
        console.writeErr(QStringLiteral("kestrom: %1: no animation steps\n").arg(args[0]));
        return kExitNothing;
    }
    QString out;
    int step = 0;
    std::int32_t frames = 0;
    for (const AniStep* s = chain.get(); s; s = s->Next.get(), ++step) {
        const QSize size =
            s->Icon && !s->Icon->images.empty() ? s->Icon->images[0].color.size() : QSize();
        out += QStringLiteral("step %1: frame %2, rate %3 jiffies, image %4 bytes, %5x%6\n")
                   .arg(step)
                   .arg(s->Frame)
                   .arg(s->Rate)
                   .arg(s->Size)
                   .arg(size.width())
                   .arg(size.height());
        frames = std::max(frames, s->Frame + 1);
    }
    out += QStringLiteral("frames: %1\n").arg(frames);
    console.writeOut(out.toUtf8());
    return kExitDone;
}

} // namespace kestrom
