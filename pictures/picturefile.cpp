#include "picturefile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString openPictureFile(const QString &path, QFile &file)
{
    const QString notFound = QStringLiteral("ファイルが見つかりません。");
    if (path.isEmpty())
        return notFound;
    if (path.startsWith(QLatin1Char(':'))) {
        file.setFileName(path);
        return file.open(QIODevice::ReadOnly) ? QString() : notFound;
    }

    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return notFound;
        if (error == ELOOP)
            return QStringLiteral("リンクがたどれません（循環しています）。");
        return QStringLiteral("ファイルを開けません：") + qt_error_string(error);
    }
    struct stat status;
    QString refusal;
    if (::fstat(descriptor, &status) != 0)
        refusal = QStringLiteral("ファイルを開けません：") + qt_error_string(errno);
    else if (S_ISDIR(status.st_mode))
        refusal = QStringLiteral("フォルダーは画像として読み込めません。");
    else if (!S_ISREG(status.st_mode))
        refusal =
            QStringLiteral("通常のファイルではないため読み込めません（パイプ、デバイスなど）。");
    if (!refusal.isEmpty()) {
        ::close(descriptor);
        return refusal;
    }
    // A regular file's reads never block; the flag goes so they behave as usual.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return QStringLiteral("ファイルを開けません：") + file.errorString();
    }
    return QString();
}

} // namespace platform
