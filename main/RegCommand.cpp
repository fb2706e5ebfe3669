#include "main/RegCommand.h"

#include "main/Console.h"
#include "main/ExitCode.h"
#include "platform/ERegistryError.h"
#include "platform/RegFileReader.h"
#include "platform/RegFileWriter.h"
#include "platform/Registry.h"

#include <QFile>
#include <QSaveFile>

namespace kestrom {

namespace {

const QString kUsage = QStringLiteral("Usage: kestrom reg export [KEY] [FILE]\n"
                                      "       kestrom reg import FILE\n");

bool isStandardStream(const QString& name) {
    return name == QStringLiteral("-");
}

} // namespace

int RegCommand::run(const QStringList& args, Console& console) {
    const QString verb = args.value(0);
    if (verb == QStringLiteral("export"))
        return exportKeys(args.mid(1), console);
    if (verb == QStringLiteral("import"))
        return importFile(args.mid(1), console);
    console.writeErr(
        verb.isEmpty()
            ? kUsage
            : QStringLiteral("kestrom: unknown reg command \"%1\"\n%2").arg(verb, kUsage));
    return kExitBadInput;
}

int RegCommand::exportKeys(const QStringList& args, Console& console) {
    if (args.size() > 2) {
        console.writeErr(kUsage);
        return kExitBadInput;
    }
    RegFileWriter writer(RegFileFormat::Regedit4);
    if (args.isEmpty() || args[0].isEmpty()) {
        writer.addRoot(RegRoot::CurrentUser);
        writer.addRoot(RegRoot::LocalMachine);
    } else {
        const auto key = Registry::parseKeyPath(args[0]);
        if (!key) {
            console.writeErr(QStringLiteral("kestrom: \"%1\" is not a key: it must start with "
                                            "HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE\n")
                                 .arg(args[0]));
            return kExitBadInput;
        }
        if (!writer.addKey(key->root, key->path)) {
            console.writeErr(QStringLiteral("kestrom: no key %1\n").arg(args[0]));
            return kExitNothing;
        }
    }
    const QString target = args.value(1);
    if (target.isEmpty() || isStandardStream(target)) {
        console.writeOut(writer.bytes());
        return kExitDone;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(writer.bytes()) < 0 || !file.commit()) {
        console.writeErr(
            QStringLiteral("kestrom: cannot write %1: %2\n").arg(target, file.errorString()));
        return kExitBadInput;
    }
    return kExitDone;
}

int RegCommand::importFile(const QStringList& args, Console& console) {
    if (args.size() != 1) {
        console.writeErr(kUsage);
        return kExitBadInput;
    }
    const QString source = args[0];
    QByteArray bytes;
    if (isStandardStream(source)) {
        bytes = console.readIn();
    } else {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            console.writeErr(
                QStringLiteral("kestrom: cannot read %1: %2\n").arg(source, file.errorString()));
            return kExitBadInput;
        }
        bytes = file.readAll();
    }
    try {
        RegFileReader::import(bytes);
    } catch (const ERegFileError& e) {
        console.writeErr(QStringLiteral("kestrom: %1, line %2: %3\n")
                             .arg(source)
                             .arg(e.line())
                             .arg(e.message()));
        return kExitBadInput;
    } catch (const ERegistryError& e) {
        console.writeErr(QStringLiteral("kestrom: %1\n").arg(e.message()));
        return kExitBadInput;
    }
    return kExitDone;
}

} // namespace kestrom
