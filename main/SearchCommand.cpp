#include "main/SearchCommand.h"

#include "filelist/TTreeFileList.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "main/OutputBuffer.h"
#include "messages/PathHelpers.h"
#include "platform/WinPath.h"

namespace kestrom {

namespace {

const QString kUsage =
    QStringLiteral("Usage: kestrom search [--mask MASK] [--windows-paths] FOLDER\n");

// The notice's first line: nothing found when the list is empty or holds only the root and
// parent entries.
bool foundNothing(const TTreeFileList& list) {
    return list.Count() == 0 || (list.ItemPath(0) == QStringLiteral("\\") && list.Count() <= 2);
}

} // namespace

int SearchCommand::run(const QStringList& args, Console& console) {
    QString mask = QStringLiteral("*.Ani *.Cur");
    bool windowsPaths = false;
    QStringList folders;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--mask") && i + 1 < args.size())
            mask = args[++i];
        else if (args[i] == QStringLiteral("--windows-paths"))
            windowsPaths = true;
        else if (args[i].startsWith(QStringLiteral("--")))
            return console.writeErr(kUsage), kExitBadInput;
        else
            folders.append(args[i]);
    }
    if (folders.size() != 1)
        return console.writeErr(kUsage), kExitBadInput;
    const QString folder = WinPath::fromUserInput(folders[0]);
    if (folder.startsWith(u'/')) {
        console.writeErr(QStringLiteral("kestrom: no drive holds %1\n").arg(folder));
        return kExitBadInput;
    }

    OutputBuffer out(console);
    TTreeFileList list;
    list.ListDetails = TListDetails{ldFiles};
    list.OnAddFile = [&](TTreeFileList&, TSearchRec& s, const QString& path, bool&, int&) {
        const QString hit = JoinPath(path, s.Name);
        if (!windowsPaths) {
            const QString host = FindHostPath(s);
            out.line(host.isEmpty() ? WinPath::toHost(hit).hostPath : host);
        } else {
            out.line(hit);
        }
    };
    list.SearchMode = smSubDirectories;
    list.SortBy = sbName;
    list.OpenFolder(mask, folder.toUpper());
    out.flush();
    if (foundNothing(list)) {
        console.writeErr(QStringLiteral("No files match the current search criteria.\n"));
        return kExitNothing;
    }
    console.writeErr(QStringLiteral("The search has been completed successfully.\n"));
    return kExitDone;
}

} // namespace kestrom
