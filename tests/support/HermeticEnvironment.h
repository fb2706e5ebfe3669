#pragma once

#include <QString>
#include <QTemporaryDir>

namespace kestrom::test {

// Every test process gets its own home, XDG folders, drive table and machine hive below one
// temporary folder, so nothing touches the real home or /var.
class HermeticEnvironment {
public:
    static void install();
    // The temporary folder everything lives in (the host root of drive C:).
    static QString root();
    // Host paths of C: and of the machine hive.
    static QString driveC();
    static QString machineHive();
};

} // namespace kestrom::test
