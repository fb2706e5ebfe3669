#pragma once

#include <QStringList>

namespace kestrom {

class Console;
class TResourceFile;

// "icons FILE [--extract N OUT.ico]": a module's icon groups and images, or one image of them
// as an icon file.
class IconsCommand {
public:
    static int run(const QStringList& args, Console& console);

private:
    static QString listing(TResourceFile& file);
    static int extract(TResourceFile& file, const QString& number, const QString& target,
                       Console& console);
};

} // namespace kestrom
