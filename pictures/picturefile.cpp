#include "picturefile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pictures {

namespace {

// The system's reason in the game's words: the player is told whether reading is not
// allowed, and otherwise only that the file does not open.
Refusal openFailure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Refusal::NotFound;
    case ELOOP:
        return Refusal::LinkLoop;
    case EACCES:
    case EPERM:
        return Refusal::NotAllowed;
    default:
        return Refusal::CannotOpen;
    }
}

} // namespace

std::optional<Refusal> openPictureFile(const QString &path, QFile &file)
{
    if (path.isEmpty())
        return Refusal::NotFound;
    if (path.startsWith(QLatin1Char(':'))) {
        file.setFileName(path);
        if (file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return Refusal::NotFound;
    }

    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return openFailure(errno);
    struct stat status;
    std::optional<Refusal> refusal;
    if (::fstat(descriptor, &status) != 0)
        refusal = openFailure(errno);
    else if (S_ISDIR(status.st_mode))
        refusal = Refusal::Folder;
    else if (!S_ISREG(status.st_mode))
        refusal = Refusal::NotRegularFile;
    if (refusal) {
        ::close(descriptor);
        return refusal;
    }
    // A regular file's reads never block; the flag goes so they behave as usual.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Refusal::CannotOpen;
    }
    return std::nullopt;
}

} // namespace pictures
