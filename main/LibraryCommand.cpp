#include "main/LibraryCommand.h"

#include "cursors/CursorRoles.h"
#include "formats/CursorLibrary.h"
#include "formats/CursorSlotSink.h"
#include "formats/EResourceError.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "messages/ErrorReporter.h"
#include "messages/ErrorText.h"
#include "messages/PathHelpers.h"
#include "platform/EInOutError.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

namespace kestrom {

namespace {

// Says each slot's new file as it is made, so the files made before a failure are named too.
class PrintingSink : public CursorSlotSink {
public:
    explicit PrintingSink(Console& console) : console_(console) {}
    void assign(int slot, const QString& file) override {
        console_.writeOut(QStringLiteral("slot %1 %2: %3\n")
                              .arg(slot)
                              .arg(CursorRoles::bySlot(slot).name, file)
                              .toUtf8());
    }

private:
    Console& console_;
};

} // namespace

int LibraryCommand::run(const QStringList& args, Console& console) {
    if (args.size() != 1) {
        console.writeErr(QStringLiteral("Usage: kestrom library FILE\n"));
        return kExitBadInput;
    }
    const QString library = WinPath::fromUserInput(args[0]);
    if (!PathExists(library) || FolderExists(library)) {
        console.writeErr(
            QStringLiteral("kestrom: %1: %2\n").arg(args[0], ErrorText(kErrorFileNotFound)));
        return kExitBadInput;
    }
    PrintingSink sink(console);
    try {
        CursorLibrary::Load(library, sink);
        return kExitDone;
    } catch (const EResourceError& e) {
        console.writeErr(QStringLiteral("kestrom: %1: %2\n").arg(args[0], ExceptionText(e)));
    } catch (const EInOutError& e) {
        console.writeErr(QStringLiteral("kestrom: %1: %2\n").arg(args[0], ExceptionText(e)));
    }
    return kExitBadInput;
}

} // namespace kestrom
