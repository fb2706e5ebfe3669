#include "main/ListCommand.h"

#include "filelist/TTreeFileList.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "main/OutputBuffer.h"
#include "platform/WinPath.h"

namespace kestrom {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: kestrom list [--mask MASK] [--details] [--sort name|type|size|date] [--inverted]\n"
    "                    [--show-system] [--tree] [--windows-paths] FOLDER\n");

struct ListOptions {
    QString mask;
    bool details = false;
    TTreeFileListSortTypes sort = sbName;
    bool inverted = false;
    bool showSystem = false;
    bool tree = false;
    bool windowsPaths = false;
    QString folder;
};

bool parseSort(const QString& text, TTreeFileListSortTypes& sort) {
    const QStringList names = {QStringLiteral("name"), QStringLiteral("type"),
                               QStringLiteral("size"), QStringLiteral("date")};
    const qsizetype index = names.indexOf(text);
    if (index < 0)
        return false;
    sort = static_cast<TTreeFileListSortTypes>(index);
    return true;
}

bool parse(const QStringList& args, ListOptions& options) {
    QStringList folders;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--mask") && i + 1 < args.size())
            options.mask = args[++i];
        else if (arg == QStringLiteral("--sort") && i + 1 < args.size()) {
            if (!parseSort(args[++i], options.sort))
                return false;
        } else if (arg == QStringLiteral("--details"))
            options.details = true;
        else if (arg == QStringLiteral("--inverted"))
            options.inverted = true;
        else if (arg == QStringLiteral("--show-system"))
            options.showSystem = true;
        else if (arg == QStringLiteral("--tree"))
            options.tree = true;
        else if (arg == QStringLiteral("--windows-paths"))
            options.windowsPaths = true;
        else if (arg.startsWith(QStringLiteral("--")))
            return false;
        else
            folders.append(arg);
    }
    if (folders.size() != 1)
        return false;
    options.folder = folders[0];
    return true;
}

QString itemLine(const TTreeFileList& list, int index, const ListOptions& options) {
    const QChar kind = options.tree ? list.TreeItemType(index) : list.ItemType(index);
    QString line = kind;
    line += u'\t';
    if (options.tree)
        line += QString(2 * list.ItemLevel(index), u' ');
    line += list.ItemCaption(index);
    if (options.details) {
        const auto texts = list.DetailTexts(index);
        for (size_t i = 1; i < texts.size(); ++i)
            line += u'\t' + texts[i];
    }
    if (options.windowsPaths)
        line += u'\t' + list.ItemPath(index);
    return line;
}

} // namespace

int ListCommand::run(const QStringList& args, Console& console) {
    ListOptions options;
    if (!parse(args, options))
        return console.writeErr(kUsage), kExitBadInput;
    const QString folder = WinPath::fromUserInput(options.folder);
    if (folder.startsWith(u'/')) {
        console.writeErr(QStringLiteral("kestrom: no drive holds %1\n").arg(folder));
        return kExitBadInput;
    }
    TTreeFileList list;
    list.SortBy = options.sort;
    list.ListOrder = options.inverted ? flInverted : flNormal;
    list.ShowSystemFiles = options.showSystem;
    list.TreeView = options.tree;
    if (options.details)
        list.SetFileDetails(TFileDetails{fdName, fdSize, fdDate, fdTime, fdAttr});
    list.OpenFolder(options.mask, folder);

    OutputBuffer out(console);
    for (int i = 0; i < list.Count(); ++i)
        out.line(itemLine(list, i, options));
    out.line(QStringLiteral("ListCount %1\tListSize %2\tLastError %3")
                 .arg(list.ListCount())
                 .arg(list.ListSize())
                 .arg(list.LastError()));
    return list.LastError() == 0 ? kExitDone : kExitNothing;
}

} // namespace kestrom
