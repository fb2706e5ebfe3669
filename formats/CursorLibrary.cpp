#include "formats/CursorLibrary.h"

#include "formats/CursorSlotSink.h"
#include "formats/TResourceFile.h"
#include "messages/PathHelpers.h"
#include "platform/EInOutError.h"
#include "platform/ProgramFolders.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace kestrom {

namespace {

// Replaces the content of an existing file.
void writeFile(const QString& target, const QByteArray& bytes) {
    const HostLocation where = WinPath::toHost(target);
    if (where.error != 0)
        throw EInOutError(where.error);
    const int fd = ::open(QFile::encodeName(where.hostPath).constData(),
                          O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        throw EInOutError(errno == ENOENT ? kErrorFileNotFound : winErrorFromErrno(errno));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? winErrorFromErrno(errno) : kErrorDiskFull;
            ::close(fd);
            throw EInOutError(error);
        }
        done += n;
    }
    if (::close(fd) != 0)
        throw EInOutError(winErrorFromErrno(errno));
}

} // namespace

bool CursorLibrary::Locate(TResourceFile& file, int n, std::uint32_t& group, std::uint32_t& entry) {
    if (n < 0)
        return false;
    std::int64_t covered = 0;
    for (std::int32_t g = 0; g >= 0; ++g) {
        const std::uint32_t offset = file.IconGroupOffset(g);
        if (offset == 0)
            return false;
        const std::int64_t count = file.GroupImageCount(offset);
        if (n < covered + count) {
            group = offset;
            entry = static_cast<std::uint32_t>(n - covered + 1);
            return true;
        }
        covered += count;
    }
    return false;
}

void ExtractLibraryImage(const QString& library, int n, const QString& target) {
    TResourceFile file(library);
    std::uint32_t group = 0, entry = 0;
    if (!CursorLibrary::Locate(file, n, group, entry))
        return;
    const QByteArray icon = file.ExtractGroupImage(group, entry);
    if (!icon.isEmpty())
        writeFile(target, icon);
}

int CursorLibrary::Load(const QString& library, CursorSlotSink& sink) {
    if (!PathExists(library) || FolderExists(library))
        return 0;
    // A data folder no drive holds cannot take the files: never write them elsewhere.
    const QString folder = ProgramFolders::userDataFolder();
    if (folder.isEmpty())
        throw EInOutError(kErrorPathNotFound);
    int given = 0;
    for (int n = 0; n < kRoles; ++n) {
        QString file;
        if (!CreateNumberedFile(folder, QString::fromLatin1(kExtension), file))
            break;
        ExtractLibraryImage(library, n, file);
        sink.assign(n + 1, file);
        ++given;
    }
    return given;
}

} // namespace kestrom
