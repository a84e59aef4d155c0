// The shared background picture. A "backgland.gif" in the current directory wins, so
// a player can put their own beside the game; otherwise the copy built into the program
// serves. Decoded pictures are kept: the built-in one for the whole run, the file as
// long as its path, size and modification time stay the same, so a file that appears,
// changes or goes away is noticed on the next call.

#include "background.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>

#include "picture.h"
#include "picturebox.h"

namespace board {
namespace {

const QString &fileName()
{
    static const QString name = QStringLiteral("backgland.gif");
    return name;
}

const QImage &builtInPicture()
{
    static const QImage picture =
        platform::LoadPicture(QStringLiteral(":/pictures/backgland.gif")).image;
    return picture;
}

// The file in the current directory as last decoded; a null image when it could not be.
struct DecodedFile
{
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QImage image;

    bool describes(const QFileInfo &file) const
    {
        return path == file.absoluteFilePath() && size == file.size() &&
               modified == file.lastModified();
    }
};

QImage currentDirectoryPicture()
{
    static DecodedFile cached;
    const QFileInfo file(fileName());
    if (!file.exists())
        return {};
    if (!cached.describes(file)) {
        cached.path = file.absoluteFilePath();
        cached.size = file.size();
        cached.modified = file.lastModified();
        cached.image = platform::LoadPicture(fileName()).image;
    }
    return cached.image;
}

} // namespace

QImage backgroundPicture()
{
    const QImage local = currentDirectoryPicture();
    if (!local.isNull())
        return local;
    return builtInPicture();
}

void DrawBackground(platform::PictureBox &surface)
{
    surface.setAutoRedraw(true);
    const QImage picture = backgroundPicture();
    if (picture.isNull())
        surface.Cls();
    else
        surface.PaintPicture(picture, 0, 0, surface.ScaleWidth(), surface.ScaleHeight());
    surface.setAutoRedraw(false);
}

} // namespace board
