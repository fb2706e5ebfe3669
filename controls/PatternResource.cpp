#include "controls/PatternResource.h"

#include <QFile>
#include <QString>

// The resources live in a static library: nothing else would pull them into the program.
static void initPatternResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(patterns);
        return true;
    }();
    (void)done;
}

namespace kestrom {

QImage PatternResource(int number) {
    initPatternResources();
    const QString path = QStringLiteral(":/kestrom/P%1.bmp").arg(number);
    if (number < 1 || !QFile::exists(path))
        return {};
    return QImage(path);
}

} // namespace kestrom
